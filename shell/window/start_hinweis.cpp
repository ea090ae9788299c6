#include "shell/window/start_hinweis.h"

#include "shell/window/commands.h"

#include <QEvent>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace shell {

namespace {

// A flat button that runs the action and shows its text without the shortcut marker.
QToolButton* commandButton(QAction* action, const QString& text, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setText(text);
    button->setCursor(Qt::PointingHandCursor);
    QObject::connect(button, &QToolButton::clicked, action, &QAction::trigger);
    return button;
}

} // namespace

CStartHinweis::CStartHinweis(const FileCommands& file, QWidget* area)
    : QWidget(area), file_(file), recentTitle_(new QLabel(u"Zuletzt geöffnet:"_qs, this)) {
    setObjectName(u"starthinweis"_qs);
    auto* title = new QLabel(u"Keine Datei geöffnet"_qs, this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    title->setFont(big);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(2);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(commandButton(file.neu, u"Neue Datei anlegen (Datei > Neu...)"_qs, this), 0,
                      Qt::AlignHCenter);
    layout->addWidget(
        commandButton(file.oeffnen, u"Vorhandene Datei öffnen (Datei > Öffnen...)"_qs, this), 0,
        Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(recentTitle_, 0, Qt::AlignHCenter);
    for (QAction* action : file.recent) {
        recent_.push_back(commandButton(action, QString(), this));
        layout->addWidget(recent_.back(), 0, Qt::AlignHCenter);
    }
    layout->addStretch(3);
    area->installEventFilter(this);
    setGeometry(area->rect());
}

void CStartHinweis::refresh(bool documentOpen) {
    setVisible(!documentOpen);
    if (documentOpen)
        return;
    bool anyRecent = false;
    for (size_t i = 0; i < recent_.size(); ++i) {
        const QAction* action = file_.recent[i];
        // The menu text without its "&1 " number.
        recent_[i]->setText(action->data().toString());
        recent_[i]->setVisible(action->isVisible());
        anyRecent = anyRecent || action->isVisible();
    }
    recentTitle_->setVisible(anyRecent);
}

bool CStartHinweis::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

} // namespace shell
