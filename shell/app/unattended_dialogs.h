// UnattendedDialogs: while the program runs without anyone to answer (the screenshot mode),
// every modal dialog that opens, message boxes and the password question included, is
// written to the error stream and closed at once as if cancelled. The program thus goes on
// with the answer "No" / "Cancel", or ends where that answer ends it, and never waits.
#pragma once

#include <QObject>

namespace shell {

class UnattendedDialogs : public QObject {
    Q_OBJECT
public:
    explicit UnattendedDialogs(QObject* parent = nullptr) : QObject(parent) {}

    // How many dialogs were closed unanswered.
    int closed() const { return closed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int closed_ = 0;
};

} // namespace shell
