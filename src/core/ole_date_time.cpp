#include "core/ole_date_time.h"

#include <QTime>
#include <cmath>
#include <optional>

namespace {

constexpr qint64 kEpochJulianDay = 2415019; // 30 December 1899, day 0 of the date value
constexpr qint64 kSecondsPerDay = 86400;
constexpr int kMinYear = 100;
constexpr int kMaxYear = 9999;

struct DayAndTime
{
    QDate date;
    int seconds; // since midnight of that date
};

// The day a value names and the time of day, to the nearest second. Below zero the fraction
// still counts forward from midnight of the day that the integer part names.
std::optional<DayAndTime> split(double value)
{
    // Anything this far out is past year 9999 or before year 100; also keeps the conversion
    // to an integer below well defined.
    if (!std::isfinite(value) || std::fabs(value) > 1e7)
        return std::nullopt;
    const double whole = std::trunc(value);
    qint64 day = static_cast<qint64>(whole);
    qint64 seconds = std::llround(std::fabs(value - whole) * kSecondsPerDay);
    if (seconds == kSecondsPerDay) {
        seconds = 0;
        ++day;
    }
    const QDate date = QDate::fromJulianDay(kEpochJulianDay + day);
    if (!date.isValid() || date.year() < kMinYear || date.year() > kMaxYear)
        return std::nullopt;
    return DayAndTime{date, static_cast<int>(seconds)};
}

double valueOf(const QDate &date, int seconds)
{
    const double day = static_cast<double>(date.toJulianDay() - kEpochJulianDay);
    const double time = seconds / static_cast<double>(kSecondsPerDay);
    return day >= 0 ? day + time : day - time;
}

std::optional<DayAndTime> partsOf(const COleDateTime &date)
{
    if (date.m_status != COleDateTime::valid)
        return std::nullopt;
    return split(date.m_dt);
}

bool inRange(const QDate &date)
{
    return date.isValid() && date.year() >= kMinYear && date.year() <= kMaxYear;
}

} // namespace

COleDateTime::COleDateTime(double value, qint32 status) : m_dt(value), m_status(status) {}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second)
{
    const QDate date(year, month, day);
    const bool partsValid = inRange(date) && hour >= 0 && hour < 24 && minute >= 0 && minute < 60 &&
                            second >= 0 && second < 60;
    if (partsValid) {
        m_dt = valueOf(date, (hour * 60 + minute) * 60 + second);
        if (GetYear() == year && GetMonth() == month && GetDay() == day && GetHour() == hour &&
            GetMinute() == minute && GetSecond() == second)
            return;
    }
    m_dt = 0.0;
    m_status = invalid;
}

COleDateTime COleDateTime::GetCurrentTime()
{
    return FromQDateTime(QDateTime::currentDateTime());
}

COleDateTime COleDateTime::FromQDate(const QDate &date)
{
    if (!inRange(date))
        return COleDateTime(0.0, invalid);
    return COleDateTime(valueOf(date, 0));
}

COleDateTime COleDateTime::FromQDateTime(const QDateTime &dateTime)
{
    if (!dateTime.isValid() || !inRange(dateTime.date()))
        return COleDateTime(0.0, invalid);
    return COleDateTime(valueOf(dateTime.date(), dateTime.time().msecsSinceStartOfDay() / 1000));
}

bool COleDateTime::IsConvertible() const
{
    return ToQDate().isValid();
}

int COleDateTime::GetYear() const
{
    const QDate date = ToQDate();
    return date.isValid() ? date.year() : -1;
}

int COleDateTime::GetMonth() const
{
    const QDate date = ToQDate();
    return date.isValid() ? date.month() : -1;
}

int COleDateTime::GetDay() const
{
    const QDate date = ToQDate();
    return date.isValid() ? date.day() : -1;
}

int COleDateTime::GetDayOfWeek() const
{
    const QDate date = ToQDate();
    // QDate counts from Monday = 1 to Sunday = 7.
    return date.isValid() ? date.dayOfWeek() % 7 + 1 : -1;
}

int COleDateTime::GetHour() const
{
    const auto parts = partsOf(*this);
    return parts ? parts->seconds / 3600 : -1;
}

int COleDateTime::GetMinute() const
{
    const auto parts = partsOf(*this);
    return parts ? parts->seconds / 60 % 60 : -1;
}

int COleDateTime::GetSecond() const
{
    const auto parts = partsOf(*this);
    return parts ? parts->seconds % 60 : -1;
}

QDate COleDateTime::ToQDate() const
{
    const auto parts = partsOf(*this);
    return parts ? parts->date : QDate();
}

QDateTime COleDateTime::ToQDateTime() const
{
    const auto parts = partsOf(*this);
    if (!parts)
        return {};
    return QDateTime(parts->date, QTime::fromMSecsSinceStartOfDay(parts->seconds * 1000));
}
