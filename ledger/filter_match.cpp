#include "ledger/filter_match.h"

#include "ledger/dokument.h"
#include "ledger/win1252.h"

#include <algorithm>
#include <string>
#include <vector>

namespace ledger {

namespace {

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

enum class Connective { None, And, Or };

struct Terms {
    Connective connective = Connective::None;
    std::vector<std::string> terms; // upper case
};

Terms splitPattern(std::string_view pattern, int mode) {
    Terms result;
    std::string_view word;
    if (mode == kEnthaelt && pattern.find("UND") != std::string_view::npos) {
        result.connective = Connective::And;
        word = "UND";
    } else if (pattern.find("ODER") != std::string_view::npos) {
        result.connective = Connective::Or;
        word = "ODER";
    }
    if (result.connective == Connective::None) {
        if (!pattern.empty())
            result.terms.push_back(toUpper(pattern));
        return result;
    }
    size_t start = 0;
    while (true) {
        const size_t at = pattern.find(word, start);
        const std::string_view piece = trim(pattern.substr(start, at - start));
        if (!piece.empty())
            result.terms.push_back(toUpper(piece));
        if (at == std::string_view::npos)
            break;
        start = at + word.size();
    }
    return result;
}

} // namespace

bool textMatches(std::string_view value, std::string_view pattern, int mode) {
    const Terms split = splitPattern(pattern, mode);
    if (split.terms.empty())
        return true;
    const std::string upper = toUpper(value);
    const auto contains = [&](const std::string& term) {
        return upper.find(term) != std::string::npos;
    };
    switch (mode) {
    case kIstGleich:
        return std::any_of(split.terms.begin(), split.terms.end(),
                           [&](const std::string& term) { return term == upper; });
    case kBeginntMit:
        return std::any_of(split.terms.begin(), split.terms.end(), [&](const std::string& term) {
            return upper.compare(0, term.size(), term) == 0;
        });
    default:
        if (split.connective == Connective::And)
            return std::all_of(split.terms.begin(), split.terms.end(), contains);
        return std::any_of(split.terms.begin(), split.terms.end(), contains);
    }
}

bool filterAccepts(const CTalwerkDoc& doc, const CTWBuchung& buchung,
                   const CTWBuchungsFilterNeu& filter) {
    if (filter.numberConditionOn) {
        const uint32_t number = parseDigitsLenient(buchung.number);
        if (number < filter.numberFrom || number > filter.numberTo)
            return false;
    }
    if (filter.textConditionOn && !textMatches(buchung.text, filter.textPattern, filter.textMode))
        return false;
    if (filter.notesConditionOn &&
        !textMatches(buchung.notes, filter.notesPattern, filter.notesMode))
        return false;
    if (filter.kindConditionOn && buchung.kind != filter.kind)
        return false;
    if (filter.accountConditionOn && !buchung.touches(filter.accountId))
        return false;
    if (filter.amountConditionOn) {
        int64_t amount = buchung.amount;
        if (buchung.currencyIndex != filter.amountCurrency)
            amount = doc.convertBetrag(amount, buchung.currencyIndex).amount;
        if (amount < filter.amountFrom || amount > filter.amountTo)
            return false;
    }
    if (filter.currencyConditionOn && buchung.currencyIndex != filter.currency)
        return false;
    if (filter.provisionalMode == kNurVorlaeufige && buchung.provisional == 0)
        return false;
    if (filter.provisionalMode == kOhneVorlaeufige && buchung.provisional != 0)
        return false;
    return true;
}

} // namespace ledger
