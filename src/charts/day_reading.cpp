#include "charts/day_reading.h"

#include "core/calendar.h"
#include "core/ole_date_time.h"
#include "studies/study_days.h"

#include <cmath>

QString OneDecimal(double value)
{
    const double truncated = std::trunc(value * 10) / 10 + 0.0; // + 0.0 turns -0 into 0
    return QString::number(truncated, 'f', 1).replace(u'.', u',');
}

DayReading DayReading::Of(const StudyDays &days, int day, bool showAverage)
{
    const COleDateTime date = COleDateTime::FromQDate(days.Date(day));
    const StudyDays::Values values = days.ValuesOf(day);
    DayReading reading;
    reading.date = WeekdayName(date) + u' ' + DateText(date);
    if (showAverage)
        reading.values << OneDecimal(values.average);
    else
        reading.values << OneDecimal(values.intellectual) << OneDecimal(values.sentimental)
                       << OneDecimal(values.physical);
    reading.critical = days.CriticalText(day);
    return reading;
}

QStringList DayReading::ValueNames(bool showAverage)
{
    if (showAverage)
        return {QStringLiteral("Moyenne")};
    return {QStringLiteral("Intellectuel"), QStringLiteral("Sentimental"),
            QStringLiteral("Physique")};
}

QStringList DayReading::Lines(bool showAverage) const
{
    QStringList lines{date};
    const QStringList names = ValueNames(showAverage);
    for (int i = 0; i < names.size() && i < values.size(); ++i)
        lines << names.at(i) + QStringLiteral(" : ") + values.at(i);
    if (!critical.isEmpty())
        lines << QStringLiteral("Jours critiques : ") + critical;
    return lines;
}
