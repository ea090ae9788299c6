// COptionenDlg: the options dialog "Optionen" with its eleven pages, bound to COptionenForm.
// OK copies every page into the form and runs its checks; a refusal shows the page and the
// field. Accepting leaves the values in the form; the caller writes them to the document.
#pragma once

#include "options/optionen_form.h"
#include "platform/prompter.h"

#include <QDialog>
#include <memory>
#include <vector>

class QTabWidget;

namespace shell {

class COptAllgemeinPropPage;
class COptSeitePropPage;

class COptionenDlg : public QDialog {
public:
    // Opens at the page.
    COptionenDlg(options::COptionenForm& form, options::Seite seite, QWidget* parent);
    ~COptionenDlg() override;

    void accept() override;

    QTabWidget* tabs() const { return tabs_; }
    COptSeitePropPage* page(options::Seite seite) const;

private:
    options::COptionenForm& form_;
    std::unique_ptr<platform::Prompter> prompter_;
    QTabWidget* tabs_;
    COptAllgemeinPropPage* allgemein_;
    std::vector<COptSeitePropPage*> seiten_;
};

// Registers "&Optionen..." (F5) and the "Optionen > ..." commands of the views.
void registerOptionsCommands();

} // namespace shell
