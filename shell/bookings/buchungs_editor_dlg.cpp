#include "shell/bookings/buchungs_editor_dlg.h"

#include "bookings/buchungsoptionen_form.h"
#include "shell/accounts/konto_ersetzen_dlg.h"
#include "shell/bookings/booking_commands.h"
#include "shell/bookings/buchung_renumber_dlg.h"
#include "shell/bookings/buchungsoptionen_dlg.h"
#include "shell/bookings/filter_dlg.h"
#include "shell/bookings/recurring_commands.h"
#include "shell/bookings/textersetzung_dlg.h"
#include "shell/qt/datum_edit.h"
#include "shell/qt/form_widgets.h"
#include "shell/qt/qt_dates.h"
#include "shell/qt/qt_prompter.h"
#include "shell/window/open_ledger.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace shell {

namespace {

using bookings::CBuchungsEditorForm;

// The dialogs of the bulk operations, as Qt dialogs over their forms.
class QtEditorDialoge final : public bookings::EditorDialoge {
public:
    explicit QtEditorDialoge(QWidget* parent) : parent_(parent) {}
    bool neuNummerieren(bookings::CBuchungRenumberForm& form) override {
        return CBuchungRenumberDlg(form, parent_).exec() == QDialog::Accepted;
    }
    bool textErsetzen(bookings::CTextersetzungForm& form) override {
        return CTextersetzungDlg(form, parent_).exec() == QDialog::Accepted;
    }
    bool kontoErsetzen(accounts::CKontoErsetzenForm& form) override {
        return CKontoErsetzenDlg(form, parent_).exec() == QDialog::Accepted;
    }

private:
    QWidget* parent_;
};

} // namespace

int BuchungsEditorModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : form_.rowCount();
}

int BuchungsEditorModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(bookings::kEditorSpalten.size());
}

QVariant BuchungsEditorModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= form_.rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return toQString(form_.cellText(index.row(), index.column()));
    if (role == Qt::TextAlignmentRole && index.column() == bookings::kEdBetrag)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant BuchungsEditorModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= static_cast<int>(bookings::kEditorSpalten.size()))
        return {};
    return toQString(bookings::kEditorSpalten[static_cast<size_t>(section)]);
}

void BuchungsEditorModel::reset() {
    beginResetModel();
    endResetModel();
}

CBuchungsEditorDlg::CBuchungsEditorDlg(CBuchungsEditorForm& form, ledger::CTalwerkDoc& doc,
                                       QWidget* parent)
    : QDialog(parent), form_(form), doc_(doc), from_(new CDatumEdit(this)),
      to_(new CDatumEdit(this)), filter_(new QComboBox(this)),
      model_(new BuchungsEditorModel(form, this)), table_(new QTableView(this)),
      count_(new QLabel(this)), edit_(new QPushButton(u"B&earbeiten..."_qs, this)),
      confirm_(new QPushButton(u"Be&stätigen..."_qs, this)),
      autoConfirm_(new QPushButton(u"A&uto-Bestätigen"_qs, this)),
      delete_(new QPushButton(u"&Löschen"_qs, this)),
      filterButton_(new QPushButton(u"&Filter..."_qs, this)), operation_(new QComboBox(this)) {
    setWindowTitle(toQString(CBuchungsEditorForm::kCaption));
    from_->setObjectName(u"von"_qs);
    to_->setObjectName(u"bis"_qs);
    filter_->setObjectName(u"filterAuswahl"_qs);
    table_->setObjectName(u"liste"_qs);
    count_->setObjectName(u"anzahl"_qs);
    edit_->setObjectName(u"bearbeiten"_qs);
    confirm_->setObjectName(u"bestaetigen"_qs);
    autoConfirm_->setObjectName(u"autoBestaetigen"_qs);
    delete_->setObjectName(u"loeschen"_qs);
    filterButton_->setObjectName(u"filter"_qs);
    operation_->setObjectName(u"aktion"_qs);
    for (const char* name : bookings::kMassenaenderungNamen)
        operation_->addItem(toQString(name));

    auto* inputs = new QHBoxLayout;
    inputs->addWidget(buddyLabel(u"&Von:"_qs, from_, this));
    inputs->addWidget(from_);
    inputs->addWidget(buddyLabel(u"&Bis:"_qs, to_, this));
    inputs->addWidget(to_);
    inputs->addWidget(buddyLabel(u"Filte&r:"_qs, filter_, this));
    inputs->addWidget(filter_);
    inputs->addWidget(filterButton_);
    inputs->addStretch();
    inputs->addWidget(count_);

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
    table_->horizontalHeader()->setSectionsClickable(true);
    table_->horizontalHeader()->setSortIndicatorShown(true);

    auto* newButton = new QPushButton(u"&Neu..."_qs, this);
    auto* due = new QPushButton(u"F&ällige Buchungen..."_qs, this);
    auto* options = new QPushButton(u"Opt&ionen..."_qs, this);
    auto* run = new QPushButton(u"&Ausführen..."_qs, this);
    newButton->setObjectName(u"neu"_qs);
    run->setObjectName(u"ausfuehren"_qs);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->button(QDialogButtonBox::Close)->setText(u"Schließen"_qs);
    auto* buttons = new QGridLayout;
    buttons->addWidget(newButton, 0, 0);
    buttons->addWidget(edit_, 0, 1);
    buttons->addWidget(confirm_, 0, 2);
    buttons->addWidget(autoConfirm_, 0, 3);
    buttons->addWidget(delete_, 0, 4);
    buttons->addWidget(due, 1, 0);
    buttons->addWidget(options, 1, 1);
    buttons->addWidget(operation_, 1, 2, 1, 2);
    buttons->addWidget(run, 1, 4);
    buttons->setColumnStretch(5, 1);
    buttons->addWidget(close, 1, 6);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    resize(960, 540);

    connect(from_, &CDatumEdit::dateChanged, this, [this](const QDate& date) {
        form_.setFrom(toDatum(date));
        showList();
    });
    connect(to_, &CDatumEdit::dateChanged, this, [this](const QDate& date) {
        form_.setTo(toDatum(date));
        showList();
    });
    connect(filter_, &QComboBox::activated, this, [this](int choice) {
        form_.setFilterChoice(choice);
        showList();
    });
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        form_.headerClicked(column);
        showList();
    });
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                form_.select(current.isValid() ? current.row() : -1);
                updateButtons();
            });
    connect(table_, &QTableView::doubleClicked, this, [this] { editBooking(false); });
    connect(newButton, &QPushButton::clicked, this, &CBuchungsEditorDlg::newBooking);
    connect(edit_, &QPushButton::clicked, this, [this] { editBooking(false); });
    connect(confirm_, &QPushButton::clicked, this, [this] { editBooking(true); });
    connect(autoConfirm_, &QPushButton::clicked, this, [this] {
        {
            LedgerAction action(doc_, u"Buchung bestätigen"_qs);
            form_.autoBestaetigen();
        }
        showList();
    });
    connect(delete_, &QPushButton::clicked, this, [this] {
        {
            LedgerAction action(doc_, u"Buchung löschen"_qs);
            QtPrompter prompter(this);
            form_.loeschen(prompter);
        }
        showList();
    });
    connect(due, &QPushButton::clicked, this, &CBuchungsEditorDlg::dueBookings);
    connect(options, &QPushButton::clicked, this, &CBuchungsEditorDlg::editOptions);
    connect(filterButton_, &QPushButton::clicked, this, &CBuchungsEditorDlg::editFilter);
    connect(run, &QPushButton::clicked, this, &CBuchungsEditorDlg::execute);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Whatever rebuilds the ledger's views (a booking added by "Weitere B&uchung...", an undo)
    // rebuilds the list too, so it never shows bookings that changed or went.
    if (OpenLedger* document = OpenLedger::of(doc_))
        connect(document, &OpenLedger::viewsOutdated, this, [this] {
            form_.rebuild();
            showList();
        });

    form_.open();
    showList();
    table_->resizeColumnsToContents();
}

void CBuchungsEditorDlg::showList() {
    from_->setDate(toQDate(form_.from()));
    to_->setDate(toQDate(form_.to()));
    fillCombo(filter_, form_.filterNames(), {});
    filter_->setCurrentIndex(form_.filterChoice());
    const QSignalBlocker block(table_->selectionModel());
    model_->reset();
    table_->horizontalHeader()->setSortIndicator(
        form_.sortColumn(), form_.descending() ? Qt::DescendingOrder : Qt::AscendingOrder);
    count_->setText(toQString(form_.countText()));
    if (form_.selectedRow() >= 0) {
        const QModelIndex index = model_->index(form_.selectedRow(), 0);
        table_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
        table_->scrollTo(index);
    }
    updateButtons();
}

void CBuchungsEditorDlg::updateButtons() {
    edit_->setEnabled(form_.editEnabled());
    delete_->setEnabled(form_.editEnabled());
    confirm_->setEnabled(form_.confirmEnabled());
    autoConfirm_->setEnabled(form_.confirmEnabled());
    filterButton_->setEnabled(form_.filterEnabled());
}

// Each dialog opened from here and each bulk operation is one undo step of its own.

void CBuchungsEditorDlg::newBooking() {
    int32_t added = -1;
    form_.aendern([&] { added = runNewBooking(this, doc_); });
    if (added >= 0)
        form_.selectSerial(added);
    showList();
}

void CBuchungsEditorDlg::editBooking(bool confirm) {
    const int index = form_.selectedIndex();
    if (index < 0 || (confirm && !form_.confirmEnabled()))
        return;
    // The edited booking keeps its entry serial, so the rebuilt list selects it again.
    form_.aendern([&] { runEditBooking(this, doc_, index, confirm); });
    showList();
}

void CBuchungsEditorDlg::dueBookings() {
    form_.aendern([&] { runDueBookings(this, doc_); });
    showList();
}

void CBuchungsEditorDlg::editOptions() {
    form_.aendern([&] {
        LedgerAction action(doc_, u"Buchungsoptionen ändern"_qs);
        bookings::CBuchungsoptionenForm options(doc_);
        CBuchungsoptionenDlg dlg(options, this);
        if (dlg.exec() == QDialog::Accepted)
            options.apply(doc_);
    });
    showList();
}

void CBuchungsEditorDlg::editFilter() {
    if (!form_.filterEnabled())
        return;
    form_.aendern([&] {
        LedgerAction action(doc_, u"Filter definieren"_qs);
        CFilterDlg(doc_, form_.filterIndex(), this).exec();
    });
    showList();
}

void CBuchungsEditorDlg::execute() {
    const int choice = operation_->currentIndex();
    if (choice < 0)
        return;
    {
        LedgerAction action(
            doc_, toQString(bookings::kMassenaenderungNamen[static_cast<size_t>(choice)]));
        QtPrompter prompter(this);
        QtEditorDialoge dialoge(this);
        form_.ausfuehren(static_cast<bookings::Massenaenderung>(choice), prompter, dialoge);
    }
    showList();
}

} // namespace shell
