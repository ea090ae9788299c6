#include "shell/window/standardansicht_dlg.h"

#include "reports/view_kinds.h"
#include "shell/qt/cp1252.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

namespace shell {

CStandardansichtDlg::CStandardansichtDlg(reports::ViewKind currentKind, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(u"Standardansicht"_qs);
    for (const reports::ViewKindInfo& info : reports::kViewKinds) {
        auto* item = new QListWidgetItem(toQString(info.label), list_);
        item->setData(Qt::UserRole, QVariant::fromValue(info.kind));
        if (info.kind == currentKind)
            list_->setCurrentItem(item);
    }
    list_->setMinimumHeight(list_->sizeHintForRow(0) *
                                static_cast<int>(reports::kViewKinds.size()) +
                            2 * list_->frameWidth());
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

reports::ViewKind CStandardansichtDlg::selectedKind() const {
    const QListWidgetItem* item = list_->currentItem();
    return item ? item->data(Qt::UserRole).value<reports::ViewKind>()
                : reports::kViewKinds.front().kind;
}

} // namespace shell
