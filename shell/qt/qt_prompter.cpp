#include "shell/qt/qt_prompter.h"

#include "shell/qt/cp1252.h"
#include "shell/qt/kennwort_dlg.h"

#include <QMessageBox>
#include <QPushButton>

namespace shell {

namespace {

// A message box with German button texts, independent of the installed translations.
QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const std::string& text,
                                 const std::string& caption, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, toQString(caption), toQString(text), buttons, parent);
    if (QAbstractButton* yes = box.button(QMessageBox::Yes))
        yes->setText(u"&Ja"_qs);
    if (QAbstractButton* no = box.button(QMessageBox::No))
        no->setText(u"&Nein"_qs);
    if (QAbstractButton* cancel = box.button(QMessageBox::Cancel))
        cancel->setText(u"Abbrechen"_qs);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void QtPrompter::information(const std::string& text, const std::string& caption) {
    show(parent_, QMessageBox::Information, text, caption, QMessageBox::Ok);
}

void QtPrompter::warning(const std::string& text, const std::string& caption) {
    show(parent_, QMessageBox::Warning, text, caption, QMessageBox::Ok);
}

bool QtPrompter::askYesNo(const std::string& text, const std::string& caption) {
    return show(parent_, QMessageBox::Question, text, caption,
                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtPrompter::askOkCancel(const std::string& text, const std::string& caption) {
    return show(parent_, QMessageBox::Information, text, caption,
                QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

std::optional<std::string> QtPasswordSource::askPassword(const std::string& path) {
    CKennwortDlg dialog(QString::fromStdString(path), parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return toCp1252(dialog.password());
}

} // namespace shell
