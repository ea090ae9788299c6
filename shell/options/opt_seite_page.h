// COptSeitePropPage: one page of the options dialog other than "Allgemein" (the table, view
// and chart pages), built from the fields of its COptSeitenForm: check box lists, choice
// lists, option buttons, check boxes, texts, font names, lengths in centimetres, a number with
// a spin control and the colour chooser.
#pragma once

#include "options/seiten_form.h"

#include <QWidget>
#include <functional>
#include <vector>

namespace shell {

class COptSeitePropPage : public QWidget {
public:
    COptSeitePropPage(options::COptSeitenForm& form, QWidget* parent);

    // Copies every control's value into the form.
    void copyToForm();
    // The control of the field with the setting's name, or nullptr.
    QWidget* control(const std::string& name) const;

private:
    QWidget* build(options::OptionFeld& feld);

    options::COptSeitenForm& form_;
    std::vector<std::pair<std::string, QWidget*>> controls_;
    std::vector<std::function<void()>> copies_;
};

} // namespace shell
