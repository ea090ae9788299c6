#include "shell/views/table_export.h"

#include "shell/qt/cp1252.h"
#include "shell/qt/qt_prompter.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace shell {

void copyTableToClipboard(const reports::ReportTable& table, reports::TextFormat format) {
    QClipboard* clipboard = QApplication::clipboard();
    if (table.rowCount() == 0) {
        clipboard->clear();
        return;
    }
    const std::string text = reports::renderText(table, format, reports::kClipboardLineEnd);
    auto* mime = new QMimeData;
    mime->setText(toQString(text));
    mime->setData(QString::fromLatin1(kCp1252Mime),
                  QByteArray(text.data(), qsizetype(text.size())));
    clipboard->setMimeData(mime);
}

FormatChoice::FormatChoice(QDialog* dialog)
    : box_(new QGroupBox(u"Format"_qs, dialog)), group_(new QButtonGroup(dialog)) {
    auto* layout = new QVBoxLayout(box_);
    auto* fixed = new QRadioButton(u"&Feste Spaltenbreiten"_qs, box_);
    auto* tabs = new QRadioButton(u"Spalten durch &Tabulatoren getrennt"_qs, box_);
    group_->addButton(fixed, int(reports::TextFormat::FixedWidths));
    group_->addButton(tabs, int(reports::TextFormat::Tabs));
    fixed->setChecked(true);
    layout->addWidget(fixed);
    layout->addWidget(tabs);
}

reports::TextFormat FormatChoice::format() const {
    return reports::TextFormat(group_->checkedId());
}

namespace {

QDialogButtonBox* okCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace

CZwischenablageDlg::CZwischenablageDlg(QWidget* parent) : QDialog(parent), format_(this) {
    setWindowTitle(u"Kopieren in Zwischenablage"_qs);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(format_.widget());
    layout->addWidget(okCancel(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CZwischenablageDlg::run(const reports::ReportTable& table, QWidget* parent) {
    CZwischenablageDlg dialog(parent);
    if (dialog.exec() == QDialog::Accepted)
        copyTableToClipboard(table, dialog.format());
}

namespace {

// The character sets in the order of bookings::CTextdateiForm::Zeichensatz, as choice and as
// file filter of "Speichern unter".
const QStringList kZeichensaetze{u"Windows-1252 (wie bisher)"_qs, u"UTF-8"_qs};
const QStringList kFilters{u"Textdateien, Windows-1252 (*.txt)"_qs,
                           u"Textdateien, UTF-8 (*.txt)"_qs};

} // namespace

CTextdateiDlg::CTextdateiDlg(const reports::ReportTable& table, QWidget* parent)
    : QDialog(parent), table_(table), format_(this), fileName_(new QLineEdit(this)),
      zeichensatz_(new QComboBox(this)) {
    setWindowTitle(QString::fromLatin1(bookings::CTextdateiForm::kCaption));
    auto* label = new QLabel(u"&Dateiname"_qs, this);
    label->setBuddy(fileName_);
    fileName_->setMinimumWidth(320);
    auto* browse = new QPushButton(u"&Speichern unter..."_qs, this);
    connect(browse, &QPushButton::clicked, this, &CTextdateiDlg::chooseFile);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(fileName_, 1);
    nameRow->addWidget(browse);
    // Windows-1252 stays the default: other programs read the files that way.
    zeichensatz_->setObjectName(u"zeichensatz"_qs);
    zeichensatz_->addItems(kZeichensaetze);
    auto* zeichensatzLabel = new QLabel(u"&Zeichensatz:"_qs, this);
    zeichensatzLabel->setBuddy(zeichensatz_);
    auto* zeichensatzRow = new QHBoxLayout;
    zeichensatzRow->addWidget(zeichensatzLabel);
    zeichensatzRow->addWidget(zeichensatz_);
    zeichensatzRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(format_.widget());
    layout->addWidget(label);
    layout->addLayout(nameRow);
    layout->addLayout(zeichensatzRow);
    layout->addWidget(okCancel(this));
}

void CTextdateiDlg::setFileName(const QString& path) {
    fileName_->setText(path);
}

void CTextdateiDlg::chooseFile() {
    QFileDialog dialog(this, u"Speichern unter"_qs, fileName_->text());
    dialog.setNameFilters(kFilters);
    dialog.selectNameFilter(kFilters[zeichensatz_->currentIndex()]);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(u"txt"_qs);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    fileName_->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
    zeichensatz_->setCurrentIndex(std::max(0, int(kFilters.indexOf(dialog.selectedNameFilter()))));
}

void CTextdateiDlg::accept() {
    bookings::CTextdateiForm form;
    form.format = format_.format();
    form.zeichensatz = bookings::CTextdateiForm::Zeichensatz(zeichensatz_->currentIndex());
    form.fileName = QFile::encodeName(QDir::fromNativeSeparators(fileName_->text())).toStdString();
    QtPrompter prompter(this);
    if (!form.check(prompter)) {
        fileName_->setFocus();
        return;
    }
    if (form.write(table_, prompter))
        QDialog::accept();
}

void CTextdateiDlg::run(const reports::ReportTable& table, QWidget* parent) {
    CTextdateiDlg dialog(table, parent);
    dialog.exec();
}

} // namespace shell
