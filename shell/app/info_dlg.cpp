#include "shell/app/info_dlg.h"

#include "platform/version.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace shell {

CInfoDlg::CInfoDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(u"Info über Talerwerk"_qs);

    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto* name =
        new QLabel(u"Talerwerk Version "_qs + QString::fromLatin1(platform::kProgramVersion), this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    auto* text = new QLabel(u"Haushaltsbuchführung mit Konten, Kategorien und Buchungen.\n"
                            u"Dateien im Talerwerk-Format (*.tlw)."_qs,
                            this);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(text);
    texts->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addLayout(texts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace shell
