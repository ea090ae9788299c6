// The dialog "Konto/Kategorie auswählen", bound to CKontoKatAuswahlForm.
#pragma once

#include "accounts/konto_kat_auswahl_form.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace shell {

class CKontoKatAuswahlDlg : public QDialog {
public:
    CKontoKatAuswahlDlg(const ledger::CTalwerkDoc& doc, int assignment,
                        const accounts::Auswahl& current, QWidget* parent);

    // The element chosen; valid after OK.
    const accounts::Auswahl& selected() const { return form_.selected; }

private:
    void showTree();
    void addNodes(const std::vector<accounts::CKontoKatAuswahlForm::Knoten>& nodes,
                  QTreeWidgetItem* parent);

    accounts::CKontoKatAuswahlForm form_;
    std::vector<accounts::Auswahl> elements_; // indexed by the items' data
    QComboBox* kind_;
    QTreeWidget* tree_;
    QPushButton* ok_;
};

} // namespace shell
