// The password dialog "Kennwort" shown when a protected file is opened.
#pragma once

#include <QDialog>

class QLineEdit;

namespace shell {

class CKennwortDlg : public QDialog {
    Q_OBJECT
public:
    CKennwortDlg(const QString& path, QWidget* parent = nullptr);
    QString password() const;

private:
    QLineEdit* password_;
};

} // namespace shell
