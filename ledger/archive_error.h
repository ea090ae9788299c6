// The two ways reading a ledger file can fail; the load boundary turns them into messages.
#pragma once

#include <stdexcept>

namespace ledger {

// The bytes are not a ledger file of any known version: unknown header, unknown class,
// bad object index, schema mismatch, or fewer bytes than announced.
// Reported as "Unerwartetes Dateiformat.".
class FileFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Any other failure while opening: the file cannot be read, a value is unusable, or the
// password was not given. Reported as "Fehler beim Öffnen des Dokuments.".
class FileOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace ledger
