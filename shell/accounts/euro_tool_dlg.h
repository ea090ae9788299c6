// The Euro tool's first dialog "Euro-Tool: Doppelte Währungsbuchführung", bound to
// CEuroToolForm.
#pragma once

#include "accounts/euro_tool_form.h"
#include "shell/accounts/landeswaehrung_widgets.h"

#include <QDialog>

namespace shell {

class CEuroToolDlg : public QDialog {
public:
    CEuroToolDlg(accounts::CEuroToolForm& form, QWidget* parent);

    void accept() override;

private:
    void readFields();
    void showFields();

    accounts::CEuroToolForm& form_;
    LandeswaehrungWidgets waehrung_;
};

} // namespace shell
