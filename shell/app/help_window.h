// The help viewer: the German HTML manual that ships beside the program.
#pragma once

#include <QMainWindow>

class QTextBrowser;

namespace shell {

class CHelpWindow : public QMainWindow {
    Q_OBJECT
public:
    // Shows programDir/help/index.html.
    explicit CHelpWindow(const QString& programDir, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }
    // Shows the page (a file name in help/) when the manual has it.
    void showPage(const QString& page);

private:
    QString helpDir_;
    QTextBrowser* browser_;
};

} // namespace shell
