// The file-system work under the ledger store: reading only regular files of bounded size,
// and replacing a file atomically through a temporary file that cannot outlive its writer.
#pragma once

#include "ledger/large_block.h"

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <sys/types.h>
#include <vector>

namespace ledger {

using Bytes = std::vector<std::uint8_t>;

// Which file a path named at one moment: a file replaced or changed in place afterwards has
// another identity.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    bool operator==(const FileIdentity& other) const;
};

enum class ReadFailure {
    None,
    CannotOpen, // missing, no permission, or any other failure of open or read
    NotRegular, // a folder, device, FIFO or socket
    TooLarge,   // larger than the bound the caller gave
};

// The bytes of a file read whole, in memory taken for them alone (ledger/large_block.h).
class FileBytes {
public:
    FileBytes() = default;
    FileBytes(LargeBlock block, std::size_t size) : block_(std::move(block)), size_(size) {}

    const std::uint8_t* data() const {
        return reinterpret_cast<const std::uint8_t*>(block_.data());
    }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const std::uint8_t* begin() const { return data(); }
    const std::uint8_t* end() const { return data() + size_; }
    operator std::span<const std::uint8_t>() const { return {data(), size_}; }

private:
    LargeBlock block_;
    std::size_t size_ = 0;
};

struct ReadResult {
    FileBytes bytes;
    ReadFailure failure = ReadFailure::None;
    FileIdentity identity; // of the file read
};

// Reads a regular file of at most maxBytes. A FIFO or device is refused without blocking and
// without reading from it; a file that grows while it is read is read up to the size it had
// when opened.
ReadResult readRegularFile(const std::filesystem::path& path, std::uint64_t maxBytes);

// The identity of the file at path now; nothing when there is none.
std::optional<FileIdentity> identityOf(const std::filesystem::path& path);

// The path that path names after following symbolic links in its last component (at most 40
// of them, relative links counting from their own folder); path itself when it is no link.
// A dangling link gives the path it points to, so that a file can be created there.
std::filesystem::path followLinks(const std::filesystem::path& path);

enum class WriteFailure {
    None,
    NotRegular, // the target exists and is no regular file
    ReadOnly,   // the target or its folder may not be written
    Failed,     // any other failure: full disk, I/O error, missing folder
};

// Called once the new contents are complete and on disk, right before they replace the old
// file (which exists then); the place where a copy of the old file can be kept.
using BeforeReplace = std::function<void(const std::filesystem::path& target)>;

struct WriteResult {
    WriteFailure failure = WriteFailure::None;
    FileIdentity identity; // of the file written
};

// Replaces target (no symbolic link; see followLinks) by the bytes: the new contents go to a
// temporary file in the same folder, which is flushed and then renamed over the target, so the
// target holds either the old or the new contents at every moment. The replaced file's mode,
// owner and group are kept as far as the user may set them. On any failure the target is left
// as it was and no temporary file remains; a temporary left by a writer that was killed is
// removed by the next write that can prove it abandoned.
WriteResult replaceFile(const std::filesystem::path& target, const Bytes& bytes,
                        const BeforeReplace& beforeReplace = {});

// Removes the temporary files a killed writer of target left behind: those whose names
// replaceFile gives and that no living writer holds.
void removeAbandonedTemporaries(const std::filesystem::path& target);

// True for a name that replaceFile gives its temporary files of target.
bool isTemporaryOf(const std::filesystem::path& target, const std::string& name);

} // namespace ledger
