// The port through which loading asks for the password of a protected ledger file.
#pragma once

#include <optional>
#include <string>

namespace platform {

class PasswordSource {
public:
    virtual ~PasswordSource() = default;
    // Asks for the password of the file at path (the file system's name, shown beside the
    // entry field); the answer is Windows-1252. Nothing when the user cancels.
    virtual std::optional<std::string> askPassword(const std::string& path) = 0;
};

} // namespace platform
