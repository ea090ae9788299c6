// Typing one expense booking into the open booking dialog, as several dialog tests do.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace shelltest {

// An expense booking of the given number, text, expense account and amount.
inline void typeExpense(QWidget* dlg, const QString& number, const QString& text,
                        const QString& account, const QString& amount) {
    dlg->findChild<QLineEdit*>(u"nummer"_qs)->setText(number);
    dlg->findChild<QLineEdit*>(u"text"_qs)->setText(text);
    auto* kind = dlg->findChild<QComboBox*>(u"vorgang"_qs);
    kind->setCurrentIndex(1);
    emit kind->activated(1);
    dlg->findChild<QComboBox*>(u"konto2"_qs)->setEditText(account);
    dlg->findChild<QLineEdit*>(u"betrag"_qs)->setText(amount);
}

// "R-009", "Bäcker", Ausgabe to "Miete", 12,50.
inline void typeBakeryExpense(QWidget* dlg) {
    typeExpense(dlg, u"R-009"_qs, u"Bäcker"_qs, u"Miete"_qs, u"12,5"_qs);
}

} // namespace shelltest
