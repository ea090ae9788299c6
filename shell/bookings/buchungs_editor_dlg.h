// The booking editor "Buchungs-Editor", bound to CBuchungsEditorForm: the date range and the
// filter above a model/view table of the listed bookings (sorted by a click on a column
// header), the commands on the selected booking and the bulk operations of "Ausführen...".
#pragma once

#include "bookings/buchungs_editor_form.h"

#include <QAbstractTableModel>
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace shell {

class CDatumEdit;

// The form's list as a table; only the visible rows are asked for, so a year of 100 000
// bookings opens without a pause.
class BuchungsEditorModel final : public QAbstractTableModel {
public:
    BuchungsEditorModel(const bookings::CBuchungsEditorForm& form, QObject* parent)
        : QAbstractTableModel(parent), form_(form) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The form's list was rebuilt.
    void reset();

private:
    const bookings::CBuchungsEditorForm& form_;
};

class CBuchungsEditorDlg : public QDialog {
public:
    // Opens the form on the current month and shows its list.
    CBuchungsEditorDlg(bookings::CBuchungsEditorForm& form, ledger::CTalwerkDoc& doc,
                       QWidget* parent);

private:
    // Shows the form's list, range, filter choice and selection again.
    void showList();
    void updateButtons();
    void newBooking();
    void editBooking(bool confirm);
    void dueBookings();
    void editOptions();
    void editFilter();
    void execute();

    bookings::CBuchungsEditorForm& form_;
    ledger::CTalwerkDoc& doc_;
    CDatumEdit* from_;
    CDatumEdit* to_;
    QComboBox* filter_;
    BuchungsEditorModel* model_;
    QTableView* table_;
    QLabel* count_;
    QPushButton* edit_;
    QPushButton* confirm_;
    QPushButton* autoConfirm_;
    QPushButton* delete_;
    QPushButton* filterButton_;
    QComboBox* operation_;
};

} // namespace shell
