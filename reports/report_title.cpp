#include "reports/report_title.h"

namespace reports {

const char* valueKindName(int valueKind) {
    static const char* const kNames[] = {"Guthaben",   "Schulden",  "Vermögen",
                                         "Sparbetrag", "Einnahmen", "Ausgaben"};
    return valueKind >= kGuthaben && valueKind <= kAusgaben ? kNames[valueKind - 1] : "";
}

void resolveSelection(const ledger::CTalwerkDoc& doc, Selection& s) {
    bool exists = false;
    switch (s.kind) {
    case Selection::kKonto:
        exists = doc.findKonto(s.accountId) != nullptr;
        break;
    case Selection::kKategorie:
        exists = doc.findKategorie(s.accountKind, s.categoryId) != nullptr;
        break;
    case Selection::kUnterkategorie:
        exists = doc.findUnterkategorie(s.accountKind, s.categoryId, s.subcategoryId) != nullptr;
        break;
    default:
        break;
    }
    if (!exists)
        s.kind = Selection::kNone;
}

TitleValues titleValues(const ledger::CTalwerkDoc& doc, const ReportParams& params) {
    TitleValues v;
    Selection s = params.selection;
    resolveSelection(doc, s);
    switch (s.kind) {
    case Selection::kKonto:
        v.typ = "Konto";
        v.bezeichnung = doc.findKonto(s.accountId)->name;
        break;
    case Selection::kKategorie:
        v.typ = "Kategorie";
        v.bezeichnung = doc.kategorieName(s.accountKind, s.categoryId);
        break;
    case Selection::kUnterkategorie:
        v.typ = "Unterkategorie";
        v.bezeichnung = doc.unterkategorieName(s.accountKind, s.categoryId, s.subcategoryId);
        break;
    default:
        v.typ = "<bitte Konto/Kategorie auswählen>";
        v.bezeichnung = "";
        break;
    }
    v.standardTitel = valueKindName(params.valueKind);
    v.startDatum = params.start.text();
    v.endDatum = params.end.text();
    return v;
}

std::string reportTitle(std::string_view titleTemplate, const ledger::CTalwerkDoc& doc,
                        const ReportParams& params) {
    return fillTitleTemplate(titleTemplate, titleValues(doc, params));
}

} // namespace reports
