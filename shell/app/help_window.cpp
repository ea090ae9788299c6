#include "shell/app/help_window.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>

namespace shell {

CHelpWindow::CHelpWindow(const QString& programDir, QWidget* parent)
    : QMainWindow(parent), helpDir_(QDir(programDir).filePath(u"help"_qs)),
      browser_(new QTextBrowser(this)) {
    setWindowTitle(u"Talerwerk - Hilfe"_qs);
    resize(820, 640);
    setCentralWidget(browser_);
    browser_->setOpenExternalLinks(true);

    QToolBar* bar = addToolBar(u"Navigation"_qs);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), u"Zurück"_qs,
                                   browser_, &QTextBrowser::backward);
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                      u"Vorwärts"_qs, browser_, &QTextBrowser::forward);
    bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), u"Inhalt"_qs, browser_,
                   &QTextBrowser::home);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    const QString index = QDir(helpDir_).filePath(u"index.html"_qs);
    if (QFileInfo::exists(index))
        browser_->setSource(QUrl::fromLocalFile(index));
    else
        browser_->setHtml(u"<p>Das Handbuch wurde nicht gefunden:<br>%1</p>"_qs.arg(
            QDir::toNativeSeparators(index).toHtmlEscaped()));
}

void CHelpWindow::showPage(const QString& page) {
    const QString path = QDir(helpDir_).filePath(page);
    if (QFileInfo::exists(path))
        browser_->setSource(QUrl::fromLocalFile(path));
}

} // namespace shell
