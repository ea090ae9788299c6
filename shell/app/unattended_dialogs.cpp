#include "shell/app/unattended_dialogs.h"

#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QMetaObject>
#include <cstdio>

namespace shell {

namespace {

// "Titel: Text" of a message box, "Titel" of any other dialog.
QString describe(const QDialog& dialog) {
    QString text = dialog.windowTitle();
    if (const auto* box = qobject_cast<const QMessageBox*>(&dialog)) {
        text += u": "_qs + box->text();
        if (!box->informativeText().isEmpty())
            text += u' ' + box->informativeText();
    }
    return text;
}

} // namespace

bool UnattendedDialogs::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isModal()) {
            ++closed_;
            std::fprintf(stderr, "talerwerk: %s\n", describe(*dialog).toUtf8().constData());
            // Queued: the dialog's own event loop, which exec() starts after showing it,
            // ends it.
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace shell
