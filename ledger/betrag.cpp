#include "ledger/betrag.h"

#include <vector>

namespace ledger {

namespace {

std::optional<int64_t> checkedMul(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_mul_overflow(a, b, &r))
        return std::nullopt;
    return r;
}

// Splits text at every occurrence of one of the operator characters. The parts and the
// operators alternate: parts[0] ops[0] parts[1] ops[1] ... parts[n].
struct Split {
    std::vector<std::string_view> parts;
    std::vector<char> ops;
};

Split splitAt(std::string_view text, std::string_view operators) {
    Split split;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (operators.find(text[i]) != std::string_view::npos) {
            split.parts.push_back(text.substr(start, i - start));
            split.ops.push_back(text[i]);
            start = i + 1;
        }
    }
    split.parts.push_back(text.substr(start));
    return split;
}

// A product or quotient of plain numbers, evaluated left to right (which is the same as
// splitting at the last operator recursively). Empty operands count as 1,00.
std::optional<int64_t> evalProduct(const BetragFormat& format, std::string_view text) {
    const Split split = splitAt(text, "*/");
    if (split.ops.empty())
        return format.parsePlainNumber(text);
    auto operand = [&](std::string_view part) -> std::optional<int64_t> {
        if (part.empty())
            return 100;
        return format.parsePlainNumber(part);
    };
    std::optional<int64_t> value = operand(split.parts[0]);
    for (size_t i = 0; value && i < split.ops.size(); ++i) {
        const std::optional<int64_t> right = operand(split.parts[i + 1]);
        if (!right)
            return std::nullopt;
        if (split.ops[i] == '*') {
            const std::optional<int64_t> product = checkedMul(*value, *right);
            if (!product)
                return std::nullopt;
            value = roundByTen(*product / 10);
        } else {
            if (*right == 0)
                return std::nullopt;
            const std::optional<int64_t> scaled = checkedMul(*value, 1000);
            if (!scaled)
                return std::nullopt;
            value = roundByTen(*scaled / *right);
        }
    }
    return value;
}

// A sum or difference of products, evaluated left to right. Empty operands count as 0.
std::optional<int64_t> evalSum(const BetragFormat& format, std::string_view text) {
    const Split split = splitAt(text, "+-");
    if (split.ops.empty())
        return evalProduct(format, text);
    auto operand = [&](std::string_view part) -> std::optional<int64_t> {
        if (part.empty())
            return 0;
        return evalProduct(format, part);
    };
    std::optional<int64_t> value = operand(split.parts[0]);
    for (size_t i = 0; value && i < split.ops.size(); ++i) {
        const std::optional<int64_t> right = operand(split.parts[i + 1]);
        if (!right)
            return std::nullopt;
        int64_t result;
        const bool overflow = split.ops[i] == '+' ? __builtin_add_overflow(*value, *right, &result)
                                                  : __builtin_sub_overflow(*value, *right, &result);
        if (overflow)
            return std::nullopt;
        value = result;
    }
    return value;
}

} // namespace

int64_t roundByTen(int64_t value) {
    // Works on the unsigned magnitude so that the most negative value stays defined.
    const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : value;
    uint64_t q = magnitude / 10;
    if (magnitude % 10 >= 5)
        ++q;
    return value < 0 ? static_cast<int64_t>(0 - q) : static_cast<int64_t>(q);
}

int compareBetrag(int64_t a, int64_t b) {
    return a > b ? 1 : (a < b ? -1 : 0);
}

std::string BetragFormat::format(int64_t amount, bool showPlus) const {
    const uint64_t magnitude = amount < 0 ? 0 - static_cast<uint64_t>(amount) : amount;
    const std::string digits = std::to_string(magnitude / 100);
    std::string text;
    if (amount < 0)
        text += '-';
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0 && noGrouping == 0)
            text += thousandsSeparator;
        text += digits[i];
    }
    const int cents = static_cast<int>(magnitude % 100);
    text += decimalSeparator;
    text += static_cast<char>('0' + cents / 10);
    text += static_cast<char>('0' + cents % 10);
    if (showPlus && amount > 0)
        text.insert(text.begin(), '+');
    return text;
}

std::optional<int64_t> BetragFormat::parsePlainNumber(std::string_view text) const {
    if (text.empty())
        return std::nullopt;
    int64_t value = 0;
    int64_t weight = 10;
    bool inFraction = false;
    bool seenDigit = false;
    bool negative = false;
    for (const char ch : text) {
        if (ch >= '0' && ch <= '9') {
            seenDigit = true;
            const int digit = ch - '0';
            if (!inFraction) {
                value = value * 10 + digit;
                if (value > 999'999'999)
                    value = 999'999'999;
            } else if (weight > 0) {
                value += digit * weight;
                weight /= 10;
            }
        } else if (ch == decimalSeparator && !inFraction) {
            value *= 100;
            inFraction = true;
        } else if (ch == '-' && !inFraction && !seenDigit && !negative) {
            negative = true;
        } else if (ch == thousandsSeparator || ch == ' ') {
            continue;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    if (!inFraction)
        value *= 100;
    return negative ? -value : value;
}

std::optional<int64_t> BetragFormat::parse(std::string_view text) const {
    std::string compact;
    for (const char ch : text)
        if (ch != ' ')
            compact += ch;
    std::optional<int64_t> value = evalSum(*this, compact);
    if (value && *value >= 100'000'000'000)
        value = kMaxParsedBetrag;
    return value;
}

} // namespace ledger
