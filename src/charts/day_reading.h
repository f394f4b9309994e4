#pragma once

#include <QString>
#include <QStringList>

class StudyDays;

// What a day of a curve page says, as its tool tip, the status bar and the page's table of days
// say it: its date, its values to one decimal, its critical cycles.
struct DayReading
{
    QString date;       // "Lundi 16/03/2026"
    QStringList values; // in the order of ValueNames
    QString critical;   // empty when the day is none's critical day

    static DayReading Of(const StudyDays &days, int day, bool showAverage);
    // "Moyenne" alone when the page shows the average, else the three cycles.
    static QStringList ValueNames(bool showAverage);

    // One item a line, as the tool tip writes it, each value after its name: "Physique : 12,3".
    QStringList Lines(bool showAverage) const;
};

// One decimal, truncated toward zero as every number shown, with a decimal comma.
QString OneDecimal(double value);
