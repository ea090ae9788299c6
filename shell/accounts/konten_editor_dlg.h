// The dialog "Konten-Editor", bound to CKontenEditorForm.
#pragma once

#include "accounts/konten_editor_form.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace shell {

class CKontenEditorDlg : public QDialog {
public:
    // today: the default date of the currency switch of an edited account.
    CKontenEditorDlg(ledger::CTalwerkDoc& doc, const ledger::CNVKDatum& today, QWidget* parent);

    bool changed() const { return form_.changed(); }

private:
    void showList();
    void neu();
    void bearbeiten();
    void loeschen();

    accounts::CKontenEditorForm form_;
    ledger::CTalwerkDoc& doc_;
    ledger::CNVKDatum today_;
    QComboBox* filter_;
    QTreeWidget* liste_;
    QLabel* anzahl_;
    QPushButton* bearbeiten_;
    QPushButton* loeschen_;
};

} // namespace shell
