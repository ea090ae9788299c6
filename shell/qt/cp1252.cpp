#include "shell/qt/cp1252.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace shell {

bool isCp1252(QStringView text) {
    char byte = 0;
    for (const char32_t codePoint : text.toUcs4())
        if (!ledger::fromCodePoint(codePoint, byte))
            return false;
    return true;
}

QValidator::State Cp1252Validator::validate(QString& input, int&) const {
    return isCp1252(input) ? Acceptable : Invalid;
}

bool Cp1252InputGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        return !key->text().isEmpty() && !isCp1252(key->text());
    }
    case QEvent::InputMethod: {
        const auto* input = static_cast<QInputMethodEvent*>(event);
        return !isCp1252(input->commitString());
    }
    case QEvent::FocusIn:
        if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && !edit->validator())
            edit->setValidator(new Cp1252Validator(edit));
        return false;
    default:
        return false;
    }
}

} // namespace shell
