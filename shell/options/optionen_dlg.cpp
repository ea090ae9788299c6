#include "shell/options/optionen_dlg.h"

#include "shell/app/application.h"
#include "shell/options/opt_allgemein_page.h"
#include "shell/options/opt_seite_page.h"
#include "shell/qt/cp1252.h"
#include "shell/qt/qt_prompter.h"
#include "shell/window/dialog_commands.h"
#include "shell/window/open_ledger.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace shell {

COptionenDlg::COptionenDlg(options::COptionenForm& form, options::Seite seite, QWidget* parent)
    : QDialog(parent), form_(form), prompter_(std::make_unique<QtPrompter>(this)),
      tabs_(new QTabWidget(this)) {
    setWindowTitle(QString::fromLatin1(options::COptionenForm::kCaption));
    auto* layout = new QVBoxLayout(this);
    allgemein_ = new COptAllgemeinPropPage(form_.allgemein, *prompter_, tabs_);
    tabs_->addTab(allgemein_, toQString(options::seitenTitel(options::Seite::Allgemein)));
    for (options::COptSeitenForm& s : form_.seiten) {
        auto* page = new COptSeitePropPage(s, tabs_);
        tabs_->addTab(page, toQString(s.titel()));
        seiten_.push_back(page);
    }
    tabs_->setCurrentIndex(static_cast<int>(seite));
    layout->addWidget(tabs_);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(u"Abbrechen"_qs);
    buttons->button(QDialogButtonBox::Help)->setText(u"Hilfe"_qs);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionenDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [] { theApp().showHelp(QStringLiteral("optionen.html")); });
    layout->addWidget(buttons);
}

COptionenDlg::~COptionenDlg() = default;

COptSeitePropPage* COptionenDlg::page(options::Seite seite) const {
    const int index = static_cast<int>(seite) - 1;
    return index >= 0 && index < int(seiten_.size()) ? seiten_[size_t(index)] : nullptr;
}

void COptionenDlg::accept() {
    allgemein_->copyToForm();
    for (COptSeitePropPage* page : seiten_)
        page->copyToForm();
    if (const auto refusal = form_.check(*prompter_)) {
        tabs_->setCurrentIndex(static_cast<int>(refusal->seite));
        if (QWidget* control = allgemein_->control(refusal->field))
            control->setFocus();
        return;
    }
    QDialog::accept();
}

namespace {

bool optionen(const CommandContext& c) {
    ledger::CTalwerkDoc& doc = c.document->ledger();
    options::COptionenForm form(doc);
    COptionenDlg dialog(form, options::COptionenForm::seiteFuer(c.optionsPage), c.parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    form.apply(doc);
    return true;
}

} // namespace

void registerOptionsCommands() {
    registerDialogCommand(DialogCommand::Optionen, optionen);
}

} // namespace shell
