// The due bookings dialog "Fällige Buchungen", bound to CFaelligeBuchungenForm: the dates, the
// first number and the sort order above a model/view table of the due bookings with a check box
// per row, and the buttons that mark, execute and delete them.
#pragma once

#include "bookings/faellige_buchungen_form.h"

#include <QAbstractTableModel>
#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;

namespace shell {

class CDatumEdit;

// The rows of the form as a table: check box and name in the first column, then the others.
// Only what is visible is asked for, so thousands of rows stay cheap.
class FaelligeBuchungenModel final : public QAbstractTableModel {
public:
    explicit FaelligeBuchungenModel(bookings::CFaelligeBuchungenForm& form, QObject* parent)
        : QAbstractTableModel(parent), form_(form) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Ticking a row renumbers the shown numbers of every row.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The form's rows were rebuilt or all changed.
    void reset();

private:
    bookings::CFaelligeBuchungenForm& form_;
};

class CFaelligeBuchungenDlg : public QDialog {
public:
    // Opens the form (both dates today) and shows its list.
    CFaelligeBuchungenDlg(bookings::CFaelligeBuchungenForm& form, ledger::CTalwerkDoc& doc,
                          QWidget* parent);

private:
    void readInputs();
    void rebuild();
    void updateButtons();
    void execute();
    void deleteMarked();
    void markAll(bool marked);
    void editOptions();

    bookings::CFaelligeBuchungenForm& form_;
    ledger::CTalwerkDoc& doc_;
    CDatumEdit* dueUntil_;
    CDatumEdit* bookingDate_;
    QLineEdit* firstNumber_;
    QComboBox* sort_;
    FaelligeBuchungenModel* model_;
    QTableView* table_;
    QPushButton* execute_;
    QPushButton* delete_;
};

} // namespace shell
