#include "core/calendar.h"

#include <QLocale>
#include <algorithm>

namespace {

constexpr std::array<int, 12> kMonthLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kPeriodDays = 29;
const QString kWeekdayLetters = QStringLiteral("DLMMJVS");
const QString kFallbackFormat = QStringLiteral("dd/MM/yyyy");

bool IsGregorianLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

} // namespace

qint32 DayNumber(int year, int month, int day)
{
    // 64-bit on the way so that no input can overflow; valid dates stay far inside 32 bits.
    qint64 count = day;
    for (int m = 1; m < month && m <= 12; ++m)
        count += kMonthLengths[m - 1];
    count += 365 * (static_cast<qint64>(year) - 1);
    count += month >= 3 ? year / 4 : (static_cast<qint64>(year) - 1) / 4;
    return static_cast<qint32>(count);
}

qint32 DayNumber(const COleDateTime &date)
{
    return DayNumber(date.GetYear(), date.GetMonth(), date.GetDay());
}

QString ShortDateFormat(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return kFallbackFormat;
    // Walk the format, leaving quoted literal text alone: every year field becomes four digits,
    // and a field that writes a name instead of a number rules the format out.
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString result;
    bool hasDay = false, hasMonth = false, hasYear = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            const qsizetype end = format.indexOf(u'\'', i + 1);
            const qsizetype next = end < 0 ? format.size() : end + 1;
            result += format.mid(i, next - i);
            i = next;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == c)
            ++run;
        if ((c == u'd' || c == u'M') && run > 2)
            return kFallbackFormat;
        hasDay |= c == u'd';
        hasMonth |= c == u'M';
        hasYear |= c == u'y';
        result += c == u'y' ? QStringLiteral("yyyy") : format.mid(i, run);
        i += run;
    }
    return hasDay && hasMonth && hasYear ? result : kFallbackFormat;
}

QString ShortDateFormat()
{
    return ShortDateFormat(QLocale::system());
}

QString DateText(const COleDateTime &date)
{
    const QDate day = date.ToQDate();
    return day.isValid() ? day.toString(ShortDateFormat()) : QString();
}

QString WeekdayName(const COleDateTime &date)
{
    static const std::array<QString, 7> names = {
        QStringLiteral("Dimanche"), QStringLiteral("Lundi"), QStringLiteral("Mardi"),
        QStringLiteral("Mercredi"), QStringLiteral("Jeudi"), QStringLiteral("Vendredi"),
        QStringLiteral("Samedi")};
    const int weekday = date.GetDayOfWeek();
    return weekday >= 1 ? names[weekday - 1] : QString();
}

QString WeekdayLetterRow(const COleDateTime &start)
{
    const int weekday = start.GetDayOfWeek();
    // A date that cannot be read still gives a full row, so that no reader runs past its end.
    if (weekday < 1)
        return QString(kPeriodDays, u' ');
    QString row;
    row.reserve(kPeriodDays);
    for (int k = 0; k < kPeriodDays; ++k)
        row += kWeekdayLetters.at((weekday - 1 + k) % 7);
    return row;
}

DayLabels DayLabelRow(const COleDateTime &start)
{
    DayLabels labels{};
    const QDate date = start.ToQDate();
    if (!date.isValid()) {
        std::fill_n(labels.begin(), 2 * kPeriodDays, ' ');
        return labels;
    }
    // A 29-day period reaches at most one February, and it belongs to the start date's year.
    std::array<int, 12> lengths = kMonthLengths;
    if (IsGregorianLeapYear(date.year()))
        lengths[1] = 29;
    int day = date.day();
    int month = date.month();
    for (int k = 0; k < kPeriodDays; ++k) {
        labels[2 * k] = day >= 10 ? static_cast<char>('0' + day / 10) : ' ';
        labels[2 * k + 1] = static_cast<char>('0' + day % 10);
        if (day < lengths[month - 1]) {
            ++day;
        } else {
            day = 1;
            month = month % 12 + 1;
        }
    }
    return labels;
}
