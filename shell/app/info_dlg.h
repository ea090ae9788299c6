// The program information "Info über Talerwerk": name, version and a short description.
#pragma once

#include <QDialog>

namespace shell {

// The version the program reports and writes into its files.
inline constexpr char16_t kProgramVersion[] = u"Talerwerk Version 2.11.1";

class CInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CInfoDlg(QWidget* parent = nullptr);
};

} // namespace shell
