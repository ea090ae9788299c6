// The default-view dialog "Standardansicht": which view kind a new window starts with.
#pragma once

#include "reports/view_kind.h"

#include <QDialog>

class QListWidget;

namespace shell {

class CStandardansichtDlg : public QDialog {
    Q_OBJECT
public:
    CStandardansichtDlg(reports::ViewKind currentKind, QWidget* parent = nullptr);
    reports::ViewKind selectedKind() const;

private:
    QListWidget* list_;
};

} // namespace shell
