#include "shell/accounts/euro_tool_runner.h"

#include "accounts/euro_tool.h"
#include "shell/accounts/euro_listen_dlg.h"
#include "shell/accounts/euro_tool_dlg.h"
#include "shell/qt/qt_prompter.h"
#include "shell/window/open_ledger.h"

namespace shell {

namespace {

class QtEuroToolDialoge final : public accounts::EuroToolDialoge {
public:
    QtEuroToolDialoge(OpenLedger& document, QWidget* parent)
        : document_(document), parent_(parent) {}

    bool doppelteWaehrung(accounts::CEuroToolForm& form) override {
        return CEuroToolDlg(form, parent_).exec() == QDialog::Accepted;
    }
    bool kontowaehrung(accounts::CEuroKontenForm& form) override {
        return CEuroKontenDlg(form, parent_).exec() == QDialog::Accepted;
    }
    bool regelmaessigeBuchungen(accounts::CEuroRegelnForm& form) override {
        return CEuroRegelnDlg(form, parent_).exec() == QDialog::Accepted;
    }
    bool ansichten(accounts::CEuroAnsichtenForm& form) override {
        return CEuroAnsichtenDlg(form, parent_).exec() == QDialog::Accepted;
    }
    void documentChanged() override { document_.updateAllViews(); }

private:
    OpenLedger& document_;
    QWidget* parent_;
};

} // namespace

bool runEuroTool(OpenLedger& document,
                 const std::vector<ledger::CTWWaehrungsinfo>& nationalCurrencies, QWidget* parent) {
    QtPrompter prompter(parent);
    QtEuroToolDialoge dialoge(document, parent);
    return accounts::runEuroTool(document.ledger(), nationalCurrencies, prompter, dialoge);
}

} // namespace shell
