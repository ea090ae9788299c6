// COptAllgemeinPropPage: the page "Allgemein" of the options dialog, bound to COptAllgemeinForm:
// the file password, the separators, the currency symbols and the date range a new window
// starts with.
#pragma once

#include "options/allgemein_form.h"
#include "platform/prompter.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace shell {

class CDatumEdit;

class COptAllgemeinPropPage : public QWidget {
public:
    COptAllgemeinPropPage(options::COptAllgemeinForm& form, platform::Prompter& prompter,
                          QWidget* parent);
    ~COptAllgemeinPropPage() override;

    void copyToForm();
    QWidget* control(options::COptAllgemeinForm::Field field) const;

    // Refuses a typed or pasted character outside Windows-1252 in a password field.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enableFields();
    // A password field given a character outside Windows-1252: the form's message, the field
    // keeps its text.
    void refuse(QLineEdit* edit);

    options::COptAllgemeinForm& form_;
    platform::Prompter& prompter_;
    QCheckBox* schutz_;
    QLineEdit* kennwort_;
    QLineEdit* wiederholung_;
    QComboBox* dezimal_;
    QComboBox* tausender_;
    QCheckBox* keinTausender_;
    QLineEdit* symbolNeu_;
    QLineEdit* symbol2Neu_ = nullptr;
    QButtonGroup* start_;
    CDatumEdit* startDatum_;
    QButtonGroup* end_;
    CDatumEdit* endDatum_;
};

} // namespace shell
