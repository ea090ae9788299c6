// Writes the seed corpus of the ledger file fuzzer (tests/fuzz/corpus) on purpose:
// test_ledger --gtest_also_run_disabled_tests --gtest_filter=FileFuzzSeeds.*
#include "file_old_writer.h"
#include "file_sample.h"
#include "ledger/file_write.h"
#include "tests/support/files.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace testsupport;

TEST(FileFuzzSeeds, DISABLED_Regenerate) {
    const std::filesystem::path dir =
        std::filesystem::path(TALERWERK_GOLDEN_DIR).parent_path() / "fuzz" / "corpus";
    std::filesystem::create_directories(dir);
    auto doc = sampleLedger();
    doc->setPassword({"x", doc->password().protection}); // the fuzzer's password
    writeFile(dir / "protected.tlw", ledger::writeLedgerFile(*doc));
    doc->setPassword(ledger::CNVKKennwort{});
    for (std::uint32_t version :
         {kVersion101, kVersion111, kVersion161, kVersion251, kVersionCurrent})
        writeFile(dir / ("version-" + std::to_string(version) + ".tlw"),
                  writeFileOfVersion(*doc, version));
}
