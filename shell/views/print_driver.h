// The one way a view reaches the printer: the application's printer with the document's
// margins, the "Drucken" dialog and the "Seitenansicht", each drawing through a render
// function that the table and the chart views supply.
#pragma once

#include <functional>

class QPrintDialog;
class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace shell {

using PrintRender = std::function<void(QPrinter&)>;

// Asks with "Drucken" for the pages 1 to pageCount; prints when accepted. setUp adds to the
// dialog (option tabs) before it is shown.
void printWithDialog(QWidget* parent, int pageCount, const PrintRender& render,
                     const std::function<void(QPrintDialog&, QPrinter&)>& setUp = {});
// Shows "Seitenansicht"; setUp adds to the preview (tool bar actions) before it is shown.
void showPrintPreview(QWidget* parent, const PrintRender& render,
                      const std::function<void(QPrintPreviewDialog&)>& setUp = {});
// The application's printer with no margins of its own: the margins are the document's,
// counted from the paper's edges, and the printer only keeps the area it cannot print on.
QPrinter& documentPrinter();

} // namespace shell
