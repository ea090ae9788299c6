#include "shell/bookings/faellige_buchungen_dlg.h"

#include "bookings/buchungsoptionen_form.h"
#include "shell/bookings/buchungsoptionen_dlg.h"
#include "shell/qt/cp1252.h"
#include "shell/qt/datum_edit.h"
#include "shell/qt/form_widgets.h"
#include "shell/qt/qt_dates.h"
#include "shell/qt/qt_prompter.h"
#include "shell/window/open_ledger.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace shell {

int FaelligeBuchungenModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(form_.rows().size());
}

int FaelligeBuchungenModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(bookings::kFaelligSpalten.size());
}

QVariant FaelligeBuchungenModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return toQString(form_.cellText(index.row(), index.column()));
    case Qt::CheckStateRole:
        if (index.column() != bookings::kSpalteBezeichnung)
            return {};
        return form_.rows()[static_cast<size_t>(index.row())].marked != 0 ? Qt::Checked
                                                                          : Qt::Unchecked;
    case Qt::TextAlignmentRole:
        if (index.column() == bookings::kSpalteBetrag)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant FaelligeBuchungenModel::headerData(int section, Qt::Orientation orientation,
                                            int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= static_cast<int>(bookings::kFaelligSpalten.size()))
        return {};
    return toQString(bookings::kFaelligSpalten[static_cast<size_t>(section)]);
}

Qt::ItemFlags FaelligeBuchungenModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == bookings::kSpalteBezeichnung)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool FaelligeBuchungenModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole ||
        index.column() != bookings::kSpalteBezeichnung)
        return false;
    form_.setMarked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), 0));
    // The shown numbers of the rows below may have moved on or back.
    emit dataChanged(this->index(0, bookings::kSpalteNummer),
                     this->index(rowCount() - 1, bookings::kSpalteNummer));
    return true;
}

void FaelligeBuchungenModel::reset() {
    beginResetModel();
    endResetModel();
}

CFaelligeBuchungenDlg::CFaelligeBuchungenDlg(bookings::CFaelligeBuchungenForm& form,
                                             ledger::CTalwerkDoc& doc, QWidget* parent)
    : QDialog(parent), form_(form), doc_(doc), dueUntil_(new CDatumEdit(this)),
      bookingDate_(new CDatumEdit(this)), firstNumber_(textEdit(this)), sort_(new QComboBox(this)),
      model_(new FaelligeBuchungenModel(form, this)), table_(new QTableView(this)),
      execute_(new QPushButton(u"Buchungen &ausführen"_qs, this)),
      delete_(new QPushButton(u"Buchungen &löschen"_qs, this)) {
    setWindowTitle(toQString(bookings::CFaelligeBuchungenForm::kCaption));
    dueUntil_->setObjectName(u"faelligkeit"_qs);
    bookingDate_->setObjectName(u"buchungsdatum"_qs);
    firstNumber_->setObjectName(u"ersteNummer"_qs);
    sort_->setObjectName(u"sortierung"_qs);
    table_->setObjectName(u"liste"_qs);
    execute_->setObjectName(u"ausfuehren"_qs);
    delete_->setObjectName(u"loeschen"_qs);
    for (const char* name : bookings::kSortierungNamen)
        sort_->addItem(toQString(name));

    form_.open();
    dueUntil_->setDate(toQDate(form_.dueUntil));
    bookingDate_->setDate(toQDate(form_.bookingDate));
    firstNumber_->setText(toQString(form_.firstNumber));
    sort_->setCurrentIndex(form_.sortOrder());

    auto* inputs = new QGridLayout;
    inputs->addWidget(buddyLabel(u"&Fälligkeitsdatum:"_qs, dueUntil_, this), 0, 0);
    inputs->addWidget(dueUntil_, 0, 1);
    inputs->addWidget(buddyLabel(u"&Buchungsdatum:"_qs, bookingDate_, this), 1, 0);
    inputs->addWidget(bookingDate_, 1, 1);
    inputs->addWidget(buddyLabel(u"&erste Nr.:"_qs, firstNumber_, this), 0, 2);
    inputs->addWidget(firstNumber_, 0, 3);
    inputs->addWidget(buddyLabel(u"&Sortierung:"_qs, sort_, this), 1, 2);
    inputs->addWidget(sort_, 1, 3);
    auto* options = new QPushButton(u"O&ptionen..."_qs, this);
    inputs->addWidget(options, 0, 4);
    inputs->setColumnStretch(5, 1);

    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    // Fixed row heights and widths measured on the first rows only keep long lists fast.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setResizeContentsPrecision(200);
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* markAllButton = new QPushButton(u"Alle &markieren"_qs, this);
    auto* unmarkAllButton = new QPushButton(u"&Keine markieren"_qs, this);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {markAllButton, unmarkAllButton, execute_, delete_})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    resize(900, 480);

    connect(dueUntil_, &CDatumEdit::dateChanged, this, [this] { rebuild(); });
    connect(bookingDate_, &CDatumEdit::dateChanged, this, [this] { rebuild(); });
    connect(firstNumber_, &QLineEdit::textChanged, this, [this] { rebuild(); });
    connect(sort_, &QComboBox::activated, this, [this](int order) {
        readInputs();
        form_.setSortOrder(order);
        model_->reset();
        updateButtons();
    });
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] { updateButtons(); });
    connect(options, &QPushButton::clicked, this, &CFaelligeBuchungenDlg::editOptions);
    connect(markAllButton, &QPushButton::clicked, this, [this] { markAll(true); });
    connect(unmarkAllButton, &QPushButton::clicked, this, [this] { markAll(false); });
    connect(execute_, &QPushButton::clicked, this, &CFaelligeBuchungenDlg::execute);
    connect(delete_, &QPushButton::clicked, this, &CFaelligeBuchungenDlg::deleteMarked);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);

    model_->reset();
    table_->resizeColumnsToContents();
    updateButtons();
}

void CFaelligeBuchungenDlg::readInputs() {
    form_.dueUntil = toDatum(dueUntil_->date());
    form_.bookingDate = toDatum(bookingDate_->date());
    form_.firstNumber = toCp1252(firstNumber_->text());
}

void CFaelligeBuchungenDlg::rebuild() {
    readInputs();
    form_.rebuild();
    model_->reset();
    updateButtons();
}

void CFaelligeBuchungenDlg::updateButtons() {
    const bool any = form_.anyMarked();
    execute_->setEnabled(any);
    delete_->setEnabled(any);
}

void CFaelligeBuchungenDlg::markAll(bool marked) {
    form_.markAll(marked);
    model_->reset();
    updateButtons();
}

void CFaelligeBuchungenDlg::execute() {
    readInputs();
    LedgerAction action(doc_, u"Fällige Buchungen ausführen"_qs);
    QtPrompter prompter(this);
    if (form_.execute(prompter)) {
        const QSignalBlocker block(firstNumber_);
        firstNumber_->setText(toQString(form_.firstNumber));
    }
    model_->reset();
    updateButtons();
}

void CFaelligeBuchungenDlg::deleteMarked() {
    readInputs();
    LedgerAction action(doc_, u"Fällige Buchungen löschen"_qs);
    QtPrompter prompter(this);
    form_.deleteMarked(prompter);
    model_->reset();
    updateButtons();
}

void CFaelligeBuchungenDlg::editOptions() {
    readInputs();
    LedgerAction action(doc_, u"Buchungsoptionen ändern"_qs);
    bookings::CBuchungsoptionenForm optionsForm(doc_);
    CBuchungsoptionenDlg dlg(optionsForm, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    form_.optionsApplied(optionsForm.apply(doc_));
    const QSignalBlocker block(firstNumber_);
    firstNumber_->setText(toQString(form_.firstNumber));
    model_->reset();
    updateButtons();
}

} // namespace shell
