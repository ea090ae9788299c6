// The dialog "Kategorie-Editor", bound to CKategorieEditorForm.
#pragma once

#include "accounts/kategorie_editor_form.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QListWidget;
class QPushButton;

namespace shell {

class CKategorieEditorDlg : public QDialog {
public:
    CKategorieEditorDlg(ledger::CTalwerkDoc& doc, QWidget* parent);

    bool changed() const { return form_.changed(); }

private:
    void showLists();
    void showUnterkategorien();
    // Asks for the name and carries the operation out as the undo step of that name.
    void rename(std::optional<accounts::KategorieBenennung> benennung, const QString& step);

    ledger::CTalwerkDoc& doc_;
    accounts::CKategorieEditorForm form_;
    QComboBox* kind_;
    QListWidget* kategorien_;
    QPushButton* kategorieBearbeiten_;
    QPushButton* kategorieLoeschen_;
    QGroupBox* unterGroup_;
    QListWidget* unterkategorien_;
    QPushButton* unterBearbeiten_;
    QPushButton* unterLoeschen_;
};

} // namespace shell
