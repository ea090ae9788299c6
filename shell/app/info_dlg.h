// The program information "Info über Talerwerk": name, version and a short description.
#pragma once

#include <QDialog>

namespace shell {

class CInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CInfoDlg(QWidget* parent = nullptr);
};

} // namespace shell
