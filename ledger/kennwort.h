// CNVKKennwort: the file password record in memory (its scrambled file form is the reader's).
#pragma once

#include <cstdint>
#include <string>

namespace ledger {

// The file password: kept in memory as plain text, scrambled only in the file.
class CNVKKennwort {
public:
    std::string password;
    int32_t protection = 0; // nonzero: the file asks for the password when opened

    bool isActive() const { return protection != 0; }
};

} // namespace ledger
