#include "shell/bookings/buchung_import_dlg.h"

#include "shell/qt/cp1252.h"
#include "shell/qt/form_widgets.h"
#include "shell/qt/qt_prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

namespace {

QComboBox* list(const std::vector<std::string>& items, int current, QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (const std::string& item : items)
        box->addItem(toQString(item));
    box->setCurrentIndex(current);
    return box;
}

} // namespace

CBuchungImportDlg::CBuchungImportDlg(ledger::CTalwerkDoc& doc, QWidget* parent)
    : QDialog(parent), doc_(doc), form_(doc), fileName_(new QLineEdit(this)),
      buchungen_(list(form_.buchungenNames(), form_.options.buchungen, this)),
      identifikation_(list(form_.identifikationNames(), form_.options.identifikation, this)),
      betraege_(list(form_.betraegeNames(), form_.options.betraege, this)),
      notizen_(new QCheckBox(u"&Notizen in zusätzlicher Spalte"_qs, this)) {
    setWindowTitle(QString::fromLatin1(bookings::kImportCaption));
    auto* browseButton = new QPushButton(u"Durch&suchen..."_qs, this);
    QWidget::setTabOrder(fileName_, browseButton);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileName_, 1);
    fileRow->addWidget(browseButton);
    auto* form = new QFormLayout;
    // A row holding a layout gets no buddy by itself; without one the "&" would show.
    form->addRow(buddyLabel(u"&Dateiname"_qs, fileName_, this), fileRow);
    form->addRow(u"&Buchungen:"_qs, buchungen_);
    form->addRow(u"&Kontenidentifikation:"_qs, identifikation_);
    form->addRow(u"B&eträge:"_qs, betraege_);
    form->addRow(notizen_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(480);
    connect(browseButton, &QPushButton::clicked, this, &CBuchungImportDlg::browse);
    connect(buttons, &QDialogButtonBox::accepted, this, &CBuchungImportDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CBuchungImportDlg::browse() {
    const QString path = QFileDialog::getOpenFileName(
        this, QString::fromLatin1(bookings::CBuchungImportForm::kBrowseTitle), fileName_->text(),
        u"Textdateien (*.txt);;Alle Dateien (*.*)"_qs);
    if (!path.isEmpty())
        fileName_->setText(path);
}

void CBuchungImportDlg::accept() {
    // The path goes to the file system as it is; only the texts of the file are Windows-1252.
    form_.fileName = fileName_->text().toStdString();
    form_.options.buchungen = buchungen_->currentIndex();
    form_.options.identifikation = identifikation_->currentIndex();
    form_.options.betraege = betraege_->currentIndex();
    form_.options.notizen = notizen_->isChecked();
    QtPrompter prompter(this);
    if (!form_.ok(doc_, prompter)) {
        fileName_->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace shell
