#include "shell/accounts/landeswaehrung_widgets.h"

#include "shell/qt/form_widgets.h"

namespace shell {

LandeswaehrungWidgets::LandeswaehrungWidgets(accounts::LandeswaehrungFelder& form, QWidget* parent,
                                             int rateWidth, int symbolWidth)
    : waehrung(new QComboBox(parent)), wechselkurs(textEdit(parent, rateWidth)),
      eurSymbol(textEdit(parent, symbolWidth)), landesSymbol(textEdit(parent, symbolWidth)),
      form_(form) {
    for (const ledger::CTWWaehrungsinfo& info : form.nationalCurrencies())
        waehrung->addItem(toQString(info.name));
}

void LandeswaehrungWidgets::connectRules(std::function<void()> readAll,
                                         std::function<void()> showAll) {
    QObject::connect(waehrung, &QComboBox::activated, waehrung,
                     [this, readAll, showAll](int index) {
                         readAll();
                         form_.selectLandeswaehrung(index);
                         showAll();
                     });
    QObject::connect(wechselkurs, &QLineEdit::editingFinished, wechselkurs,
                     [this, readAll, showAll] {
                         readAll();
                         form_.leaveWechselkurs();
                         showAll();
                     });
}

void LandeswaehrungWidgets::read() {
    form_.landeswaehrung = waehrung->currentIndex();
    form_.wechselkurs = toCp1252(wechselkurs->text());
    form_.eurSymbol = toCp1252(eurSymbol->text());
    form_.landesSymbol = toCp1252(landesSymbol->text());
}

void LandeswaehrungWidgets::show() {
    waehrung->setCurrentIndex(form_.landeswaehrung);
    wechselkurs->setText(toQString(form_.wechselkurs));
    eurSymbol->setText(toQString(form_.eurSymbol));
    landesSymbol->setText(toQString(form_.landesSymbol));
}

} // namespace shell
