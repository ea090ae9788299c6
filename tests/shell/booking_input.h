// Typing one expense booking into the open booking dialog, as several dialog tests do.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace shelltest {

// "R-009", "Bäcker", Ausgabe to "Miete", 12,50.
inline void typeBakeryExpense(QWidget* dlg) {
    dlg->findChild<QLineEdit*>(u"nummer"_qs)->setText(u"R-009"_qs);
    dlg->findChild<QLineEdit*>(u"text"_qs)->setText(u"Bäcker"_qs);
    auto* kind = dlg->findChild<QComboBox*>(u"vorgang"_qs);
    kind->setCurrentIndex(1);
    emit kind->activated(1);
    dlg->findChild<QComboBox*>(u"konto2"_qs)->setEditText(u"Miete"_qs);
    dlg->findChild<QLineEdit*>(u"betrag"_qs)->setText(u"12,5"_qs);
}

} // namespace shelltest
