#include "shell/views/print_driver.h"

#include "shell/app/application.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace shell {

QPrinter& documentPrinter() {
    QPrinter& printer = theApp().printer();
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    return printer;
}

void printWithDialog(QWidget* parent, int pageCount, const PrintRender& render,
                     const std::function<void(QPrintDialog&, QPrinter&)>& setUp) {
    QPrinter& printer = documentPrinter();
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(u"Drucken"_qs);
    dialog.setMinMax(1, pageCount);
    if (setUp)
        setUp(dialog, printer);
    if (dialog.exec() == QDialog::Accepted)
        render(printer);
}

void showPrintPreview(QWidget* parent, const PrintRender& render,
                      const std::function<void(QPrintPreviewDialog&)>& setUp) {
    QPrintPreviewDialog dialog(&documentPrinter(), parent);
    dialog.setWindowTitle(u"Seitenansicht"_qs);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&render](QPrinter* target) { render(*target); });
    if (setUp)
        setUp(dialog);
    dialog.exec();
}

} // namespace shell
