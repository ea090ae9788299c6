// The list "Regelmäßige Buchungen", bound to CBuchungRegelnForm: the rule names, and the
// buttons that open the rule dialog for a new or the selected rule or delete it.
#pragma once

#include "bookings/buchung_regeln_form.h"
#include "platform/clock.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;

namespace shell {

class CBuchungRegelnDlg : public QDialog {
public:
    CBuchungRegelnDlg(ledger::CTalwerkDoc& doc, const platform::Clock& clock, QWidget* parent);

    // A rule was added, changed or deleted.
    bool changed() const { return form_.changed(); }

private:
    void showList(int selectRule);
    int selectedRow() const;
    void updateButtons();
    void newRule();
    void editRule();
    void deleteRule();

    ledger::CTalwerkDoc& doc_;
    const platform::Clock& clock_;
    bookings::CBuchungRegelnForm form_;
    QTreeWidget* list_;
    QPushButton* edit_;
    QPushButton* delete_;
};

} // namespace shell
