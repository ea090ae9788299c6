#include "shell/qt/datum_edit.h"

#include "ledger/datum_eingabe.h"
#include "shell/qt/cp1252.h"
#include "shell/qt/qt_dates.h"
#include "shell/qt/qt_prompter.h"

#include <QCalendarWidget>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

namespace shell {

namespace {

const QString kFormat = u"dd.MM.yyyy"_qs;
constexpr char kCaption[] = "Datum";

} // namespace

CDatumEdit::CDatumEdit(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), button_(new QToolButton(this)),
      date_(toQDate(ledger::CNVKDatum())) {
    // Digits, dots and blanks are all a date is typed with.
    edit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(u"[0-9. ]{0,12}"_qs), edit_));
    edit_->installEventFilter(this);
    button_->setArrowType(Qt::DownArrow);
    button_->setFocusPolicy(Qt::NoFocus);
    button_->setToolTip(u"Kalender"_qs);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(edit_, 1);
    layout->addWidget(button_);
    setFocusProxy(edit_);
    setFocusPolicy(edit_->focusPolicy());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(button_, &QToolButton::clicked, this, &CDatumEdit::openCalendar);
    showDate();
}

QSize CDatumEdit::sizeHint() const {
    const int text = edit_->fontMetrics().horizontalAdvance(u"00.00.00000"_qs);
    const QSize line = edit_->sizeHint();
    return {text + 2 * line.height() + button_->sizeHint().width(), line.height()};
}

void CDatumEdit::setDate(const QDate& date) {
    date_ = date;
    showDate();
}

void CDatumEdit::showDate() {
    edit_->setText(date_.toString(kFormat));
}

void CDatumEdit::take(const QDate& date) {
    const bool changed = date != date_;
    date_ = date;
    showDate();
    if (changed)
        emit dateChanged(date_);
}

bool CDatumEdit::commit() {
    if (edit_->text() == date_.toString(kFormat))
        return true;
    const ledger::DatumEingabe parsed =
        ledger::parseDatumEingabe(toCp1252(edit_->text()), date_.year());
    if (!parsed.date) {
        reporting_ = true;
        QtPrompter(this).warning(parsed.message, kCaption);
        reporting_ = false;
        return false;
    }
    take(toQDate(*parsed.date));
    return true;
}

void CDatumEdit::step(int direction) {
    const QString text = edit_->text();
    const ledger::DatumEingabe parsed = ledger::parseDatumEingabe(toCp1252(text), date_.year());
    if (!parsed.date)
        return;
    // The part under the cursor: with dots counted by the dots before it, else by the
    // position in "ddmmyyyy".
    const int cursor = edit_->cursorPosition();
    const int part = text.contains(u'.') ? static_cast<int>(text.left(cursor).count(u'.'))
                                         : (cursor <= 2   ? 0
                                            : cursor <= 4 ? 1
                                                          : 2);
    const QDate current = toQDate(*parsed.date);
    const QDate stepped = part == 0   ? current.addDays(direction)
                          : part == 1 ? current.addMonths(direction)
                                      : current.addYears(direction);
    if (!ledger::CNVKDatum::fromCalendar(stepped.day(), stepped.month(), stepped.year()))
        return;
    // Stepping changes the text only; it is taken like a typed date.
    edit_->setText(stepped.toString(kFormat));
    edit_->setCursorPosition(part * 3);
}

void CDatumEdit::openCalendar() {
    if (!commit())
        return;
    if (!calendar_) {
        calendar_ = new QCalendarWidget(this);
        calendar_->setWindowFlags(Qt::Popup);
        calendar_->setGridVisible(true);
        calendar_->setDateRange(toQDate(ledger::CNVKDatum(ledger::CNVKDatum::kFirstDay)),
                                toQDate(ledger::CNVKDatum(ledger::CNVKDatum::kLastDay)));
        connect(calendar_, &QCalendarWidget::clicked, this, [this](const QDate& date) {
            calendar_->hide();
            take(date);
            edit_->setFocus();
        });
        connect(calendar_, &QCalendarWidget::activated, calendar_, &QCalendarWidget::clicked);
    }
    calendar_->setSelectedDate(date_);
    const QSize size = calendar_->sizeHint();
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        at.setX(
            std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - size.width())));
        if (at.y() + size.height() > area.bottom())
            at.setY(mapToGlobal(QPoint(0, 0)).y() - size.height());
    }
    calendar_->move(at);
    calendar_->show();
    calendar_->setFocus();
}

bool CDatumEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut && !reporting_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A popup (the calendar, a menu) or another window does not leave the field.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
            isVisible() && !commit())
            showDate();
    } else if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A refused text keeps the Enter from closing the dialog; a taken one lets it.
            if (!commit())
                return true;
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (key->modifiers() & Qt::AltModifier) {
                openCalendar();
                return true;
            }
            step(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        case Qt::Key_Escape:
            // The dialog closes without the typed text.
            showDate();
            break;
        case Qt::Key_F4:
            openCalendar();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace shell
