#include "people/date_picker.h"

#include "core/calendar.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

DatePicker::DatePicker(QWidget *parent) : QDateEdit(parent)
{
    const QLocale french(QLocale::French, QLocale::France);
    setLocale(french);
    setDisplayFormat(ShortDateFormat());
    setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    // A date that cannot be shown leaves today in the box rather than Qt's 1 January 2000.
    setDate(QDate::currentDate());
    setCalendarPopup(true);
    calendarWidget()->setLocale(french);
    calendarWidget()->setFirstDayOfWeek(Qt::Monday);
    calendarWidget()->window()->installEventFilter(this);
}

void DatePicker::SetDate(const COleDateTime &date)
{
    const QDate day = date.ToQDate();
    if (!day.isValid())
        return;
    setDate(day);
    m_time = QTime(date.GetHour(), date.GetMinute(), date.GetSecond());
}

COleDateTime DatePicker::Date() const
{
    const QDate day = date();
    return COleDateTime(day.year(), day.month(), day.day(), m_time.hour(), m_time.minute(),
                        m_time.second());
}

bool DatePicker::eventFilter(QObject *watched, QEvent *event)
{
    // Qt opens the calendar left-aligned; the picker's calendar opens under its right edge.
    if (event->type() == QEvent::Show && watched == calendarWidget()->window()) {
        QWidget *popup = calendarWidget()->window();
        QPoint at = mapToGlobal(QPoint(width() - popup->width(), height()));
        if (const QScreen *screen = QGuiApplication::screenAt(mapToGlobal(rect().center()))) {
            const QRect area = screen->availableGeometry();
            at.setX(std::clamp(at.x(), area.left(),
                               std::max(area.left(), area.right() - popup->width())));
            if (at.y() + popup->height() > area.bottom())
                at.setY(mapToGlobal(QPoint(0, 0)).y() - popup->height());
        }
        popup->move(at);
    }
    return QDateEdit::eventFilter(watched, event);
}
