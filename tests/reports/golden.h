// Compares a rendered text with its golden file under tests/golden/. With the environment
// variable TALERWERK_REGENERATE_GOLDEN set, the golden file is written instead.
#pragma once

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace testgolden {

inline void expectGolden(const std::string& relativePath, const std::string& actual) {
    const std::string path = std::string(TALERWERK_GOLDEN_DIR) + "/" + relativePath;
    if (std::getenv("TALERWERK_REGENERATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing golden file " << path
                    << " (run with TALERWERK_REGENERATE_GOLDEN=1 to create it)";
    std::ostringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(expected.str(), actual) << "golden file " << path;
}

} // namespace testgolden
