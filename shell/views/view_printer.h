// Printing of a table view: the print dialog, the preview "Seitenansicht" and the drawing of
// the pages, from a copy of the view's table laid out for the printer. Both dialogs offer
// "An Seitenbreite anpassen", which shrinks a table wider than the page onto one page
// column; the choice is remembered for the user.
#pragma once

#include "ledger/einstellungen.h"
#include "reports/print_pagination.h"
#include "reports/report_table.h"

class QPrinter;
class QWidget;

namespace shell {

class ViewPrinter {
public:
    ViewPrinter(const reports::ReportTable& table, const ledger::CTWEinstellungen& settings,
                QWidget* parent);

    // "&Drucken...": the print dialog, then the chosen pages.
    void print();
    // "Sei&tenansicht".
    void preview();
    // Lays the table out for the printer and draws the pages of its print range.
    void render(QPrinter& printer);
    // The pages the table takes on the printer, with the user's scaling choice.
    int pageCount(QPrinter& printer) const;

    // The page geometry of the printer in tenths of a millimetre.
    static reports::PageGeometry pageGeometry(const QPrinter& printer);

    static constexpr char16_t kFitLabel[] = u"An Seitenbreite anpassen";

private:
    reports::Pagination paginate(QPrinter& printer, reports::ReportTable& table) const;

    const reports::ReportTable& table_;
    const ledger::CTWEinstellungen& settings_;
    QWidget* parent_;
};

} // namespace shell
