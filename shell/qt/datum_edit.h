// CDatumEdit: the one date field of the program, in every dialog and in the view bar. A date
// is typed the way it is written in Germany ("15.04.2025", "15.4.25", "15042025", ...) and
// taken when the field is left or Enter is pressed, never keystroke by keystroke. Up and Down
// step the day, month or year under the cursor; the button beside it (or Alt+Down) opens a
// calendar. A text that gives no date is refused with a message saying why: after Enter the
// field keeps the text for correcting, after leaving the field it shows its date again.
#pragma once

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QToolButton;

namespace shell {

class CDatumEdit : public QWidget {
    Q_OBJECT
public:
    explicit CDatumEdit(QWidget* parent = nullptr);

    // The date last taken; what is being typed counts once it is taken.
    QDate date() const { return date_; }
    // Shows the date, without dateChanged.
    void setDate(const QDate& date);

    // Takes the typed text. True when the field holds a date (dateChanged was emitted if it
    // differs from the one before); false after the message about the text.
    bool commit();

    QLineEdit* lineEdit() const { return edit_; }
    QSize sizeHint() const override;

signals:
    // A new date was taken: typed and confirmed, stepped and confirmed, or picked.
    void dateChanged(const QDate& date);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showDate();
    void step(int direction);
    void openCalendar();
    void take(const QDate& date);

    QLineEdit* edit_;
    QToolButton* button_;
    QCalendarWidget* calendar_ = nullptr;
    QDate date_;
    bool reporting_ = false; // a message is open: its focus changes are not a leave
};

} // namespace shell
