#include "charts/best_day_line.h"

#include "charts/day_reading.h"
#include "studies/best_days.h"

QString BestDayLine(const StudyDays &days, const BestDay &day)
{
    const DayReading reading = DayReading::Of(days, day.day, false);
    const QStringList names = DayReading::ValueNames(false);
    QStringList values;
    for (int i = 0; i < names.size(); ++i)
        values << names.at(i) + u' ' + reading.values.at(i);
    return reading.date + QStringLiteral(" : ") + values.join(QStringLiteral(", ")) +
           QStringLiteral(" ; moyenne ") + OneDecimal(day.mean);
}

QString BestDaysRule(const BestDaysQuery &query)
{
    const QString counted = query.average ? QStringLiteral("Moyenne")
                                          : CycleNames(query.cycles).join(QStringLiteral(", "));
    QString rule = counted + QStringLiteral(" au-dessus de ") +
                   QString::number(query.threshold).replace(u'.', u',') +
                   QStringLiteral(" sur la page");
    if (query.skipCritical)
        rule += QStringLiteral(", jours critiques exclus");
    return rule;
}
