// The numbered settings of a ledger as the tests know them, written down independently of the
// program's own settings codec: the type each one has in the file, its new-document value and
// the version from which a file carries it.
#pragma once

#include "ledger/einstellungen.h"

#include <cstdint>
#include <span>
#include <string>
#include <variant>

namespace testsupport {

// A new-document value: a number, a text, or one taken from the new-file currency choice.
struct NewValue {
    constexpr NewValue() = default;
    constexpr NewValue(int n) : given(true), number(n) {}
    constexpr NewValue(const char* t) : given(true), text(t) {}
    bool given = false;
    std::int64_t number = 0;
    const char* text = nullptr;
};

using S = ledger::CTWEinstellungen;
using SettingMember =
    std::variant<char S::*, std::int32_t S::*, std::uint32_t S::*, std::string S::*>;

struct SettingSpec {
    int number;
    char type; // 'c' one byte, 'd' dword, 't' text
    SettingMember member;
    NewValue newValue;
};

// Settings 1 to 116 in file order.
std::span<const SettingSpec> settingSpecs();

// The first version whose files carry the setting.
std::uint32_t settingSince(int number);

// A setting's value: a number (characters and dwords) or a text. Setting a value checks that
// the member has the type the file gives the setting and fails the test otherwise.
using SettingValue = std::variant<std::int64_t, std::string>;
SettingValue settingValue(const S& settings, const SettingSpec& row);
void setSetting(S& settings, const SettingSpec& row, const SettingValue& value);

} // namespace testsupport
