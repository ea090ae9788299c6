#include "accounts/euro_ansichten_form.h"

namespace accounts {

namespace {

using Settings = ledger::CTWEinstellungen;
using Ersetzung = CEuroAnsichtenForm::Ersetzung;

struct Ansicht {
    const char* name;
    uint32_t Settings::*flags;
    std::vector<Ersetzung> ersetzungen;
};

// The data flag words of the views and which old-currency columns become Euro columns.
std::vector<Ansicht> ansichten() {
    const std::vector<Ersetzung> konten{{0x200, 0x100}, {0x800, 0x400}, {0x20000, 0x10000}};
    const std::vector<Ersetzung> buchungen{{0x2000000 | 0x4000000 | 0x8000000, 0x1000000}};
    return {
        {"Konten", &Settings::accountsData, konten},
        {"Konten nach Kategorien", &Settings::accountsByCategoryData, konten},
        {"Buchungen", &Settings::bookingsData, buchungen},
        {"Buchungen gefiltert", &Settings::filteredBookingsData, buchungen},
        {"Buchungen für Konto/Kategorie",
         &Settings::accountBookingsData,
         {{0x200000 | 0x400000 | 0x800000, 0x100000}, {0x2000000, 0x1000000}}},
        {"Wertetabelle - Gesamt",
         &Settings::totalValuesData,
         {{0x40, 0x10},
          {0x400, 0x100},
          {0x4000, 0x1000},
          {0x40000, 0x10000},
          {0x400000, 0x100000},
          {0x4000000, 0x1000000}}},
        {"Wertetabelle - Konto/Kategorie", &Settings::accountValuesData, {{0x40, 0x10}}},
    };
}

} // namespace

CEuroAnsichtenForm::CEuroAnsichtenForm(const ledger::CTalwerkDoc& doc)
    : euroVoreingestelltEnabled(doc.settings().presetCurrency == 1),
      euroVoreingestellt(euroVoreingestelltEnabled),
      keineLandeswaehrungEnabled(doc.settings().noNationalAmountOfEuro == 0),
      keineLandeswaehrung(keineLandeswaehrungEnabled) {
    for (Ansicht& ansicht : ansichten()) {
        const uint32_t flags = doc.settings().*ansicht.flags;
        bool oldColumns = false;
        for (const Ersetzung& e : ansicht.ersetzungen)
            oldColumns = oldColumns || (flags & e.from) != 0;
        if (oldColumns)
            zeilen.push_back({ansicht.name, ansicht.flags, std::move(ansicht.ersetzungen)});
    }
}

bool CEuroAnsichtenForm::empty() const {
    return !euroVoreingestelltEnabled && !keineLandeswaehrungEnabled && zeilen.empty();
}

void CEuroAnsichtenForm::apply(ledger::CTalwerkDoc& doc) const {
    ledger::CTWEinstellungen settings = doc.settings();
    if (euroVoreingestelltEnabled && euroVoreingestellt)
        settings.presetCurrency = 0;
    if (keineLandeswaehrungEnabled && keineLandeswaehrung)
        settings.noNationalAmountOfEuro = 1;
    for (const Zeile& zeile : zeilen) {
        if (!zeile.ticked)
            continue;
        uint32_t& flags = settings.*zeile.flags;
        for (const Ersetzung& e : zeile.ersetzungen) {
            if ((flags & e.from) != 0) {
                flags &= ~e.from;
                flags |= e.to;
            }
        }
    }
    doc.setSettings(std::move(settings));
}

} // namespace accounts
