// The dialog "Sicherungen" (Datei > Sicherungen...), bound to options::CSicherungenForm: the
// dated backups of the active ledger, one of them to open read-only, and the user's settings
// of backups and recovery files.
#pragma once

#include "options/sicherungen_form.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace shell {

class CSicherungenDlg : public QDialog {
public:
    CSicherungenDlg(options::CSicherungenForm& form, QWidget* parent);

    // The backup chosen with "Öffnen", or an empty path after OK or Cancel.
    const std::filesystem::path& toOpen() const { return toOpen_; }

    void accept() override;

private:
    void open();
    void readInputs();

    options::CSicherungenForm& form_;
    QTreeWidget* list_;
    QPushButton* open_;
    QCheckBox* enabled_;
    QLineEdit* anzahl_;
    QLineEdit* minuten_;
    std::filesystem::path toOpen_;
};

} // namespace shell
