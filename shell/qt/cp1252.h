// The Qt boundary of the program's texts: conversion between Windows-1252 and QString, and
// the input guard that lets only characters Windows-1252 can hold into input widgets.
#pragma once

#include "ledger/win1252.h"

#include <QObject>
#include <QString>
#include <QValidator>
#include <string>
#include <string_view>

namespace shell {

inline QString toQString(std::string_view cp1252) {
    return QString::fromStdU16String(ledger::toUtf16(cp1252));
}

// Characters Windows-1252 cannot hold become '?'.
inline std::string toCp1252(const QString& text) {
    return ledger::fromUtf16(text.toStdU16String());
}

bool isCp1252(QStringView text);

// Refuses any input that holds a character outside Windows-1252.
class Cp1252Validator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Installed on the application: drops typed characters that Windows-1252 cannot hold and
// gives every line edit without a validator of its own a Cp1252Validator when it gets the
// focus, so pasted text is checked too.
class Cp1252InputGuard final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace shell
