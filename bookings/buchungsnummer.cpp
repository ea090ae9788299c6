#include "bookings/buchungsnummer.h"

namespace bookings {

namespace {

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

} // namespace

std::string incrementBuchungsnummer(std::string_view number) {
    size_t end = number.size();
    while (end > 0 && !isDigit(number[end - 1]))
        --end;
    if (end == 0)
        return std::string(number);
    size_t begin = end;
    while (begin > 0 && isDigit(number[begin - 1]))
        --begin;
    // Decimal increment on the digits themselves, so that runs of any length stay exact.
    std::string run(number.substr(begin, end - begin));
    size_t i = run.size();
    while (i > 0 && run[i - 1] == '9')
        run[--i] = '0';
    if (i == 0)
        run.insert(run.begin(), '1');
    else
        ++run[i - 1];
    return std::string(number.substr(0, begin)) + run + std::string(number.substr(end));
}

std::optional<std::string> suggestBuchungsnummer(const ledger::CTalwerkDoc& doc) {
    if (doc.bookings().empty())
        return std::nullopt;
    const ledger::CTWBuchung* base = doc.bookings().back();
    if (doc.settings().bookingNumberSource == kZuletztEingegeben) {
        // The first booking in list order that carries the highest entry serial.
        base = doc.bookings().front();
        for (const auto& b : doc.bookings())
            if (b->serial > base->serial)
                base = b;
    }
    return incrementBuchungsnummer(base->number);
}

} // namespace bookings
