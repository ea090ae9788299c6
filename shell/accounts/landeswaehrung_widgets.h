// The fields of an old national currency in the dialogs that ask for one (the new-file dialog
// and the Euro tool's first dialog), bound to accounts::LandeswaehrungFelder: the list of
// national currencies, the rate, the two symbols, and the form's rules when a currency is
// chosen or the rate field is left.
#pragma once

#include "accounts/landeswaehrung_felder.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QWidget;

namespace shell {

class LandeswaehrungWidgets {
public:
    // Creates the widgets in their tab order (list, rate, EUR symbol, national symbol) with
    // the given widths of the rate field and of the symbol fields.
    LandeswaehrungWidgets(accounts::LandeswaehrungFelder& form, QWidget* parent, int rateWidth,
                          int symbolWidth);

    // Choosing a currency and leaving the rate field run the form's rule; readAll copies the
    // dialog's fields into its form before, showAll shows the form's fields after.
    void connectRules(std::function<void()> readAll, std::function<void()> showAll);

    void read();
    void show();

    QComboBox* const waehrung;
    QLineEdit* const wechselkurs;
    QLineEdit* const eurSymbol;
    QLineEdit* const landesSymbol;

private:
    accounts::LandeswaehrungFelder& form_;
};

} // namespace shell
