// Whole-file reading and crash-safe whole-file writing of ledger files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace ledger {

// The file's bytes, or nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::filesystem::path& path);

// Writes the bytes to a temporary file in the target's directory, flushes it to disk and
// renames it over the target. On any failure the temporary file is removed, the target is
// left exactly as it was, and the result is false.
bool writeFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

} // namespace ledger
