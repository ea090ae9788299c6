// The default-view dialog "Standardansicht": which view kind a new window starts with.
#pragma once

#include <QDialog>

class QListWidget;

namespace shell {

class CStandardansichtDlg : public QDialog {
    Q_OBJECT
public:
    CStandardansichtDlg(int currentKind, QWidget* parent = nullptr);
    int selectedKind() const;

private:
    QListWidget* list_;
};

} // namespace shell
