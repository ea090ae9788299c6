// The Euro tool's first dialog "Euro-Tool: Doppelte Währungsbuchführung", bound to
// CEuroToolForm.
#pragma once

#include "accounts/euro_tool_form.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace shell {

class CEuroToolDlg : public QDialog {
public:
    CEuroToolDlg(accounts::CEuroToolForm& form, QWidget* parent);

    void accept() override;

private:
    void readFields();
    void showFields();

    accounts::CEuroToolForm& form_;
    QComboBox* waehrung_;
    QLineEdit* wechselkurs_;
    QLineEdit* eurSymbol_;
    QLineEdit* landesSymbol_;
};

} // namespace shell
