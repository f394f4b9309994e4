#pragma once

#include <QFlags>
#include <QList>
#include <QStringList>

// The cycles of the critical days, in the order in which the days name them.
enum class Cycle : unsigned {
    Physique = 0x1,     // 23 days
    Sentimental = 0x2,  // 28 days
    Intellectuel = 0x4, // 33 days
};
Q_DECLARE_FLAGS(Cycles, Cycle)
Q_DECLARE_OPERATORS_FOR_FLAGS(Cycles)

// The cycles whose curve crosses its zero line during the day of life `age`, between age and
// age + 1; age may be negative (a day before birth).
Cycles CriticalCycles(qint64 age);

struct CriticalDay
{
    int day = 0; // from the start date, which is day 0
    Cycles cycles;

    friend bool operator==(const CriticalDay &, const CriticalDay &) = default;
};

// The critical days of a person born on birthDay among the span days that begin on startDay
// (both DayNumber values): day j has the age (startDay - birthDay) + j, as on the page.
QList<CriticalDay> CriticalDays(qint32 birthDay, qint32 startDay, int span);

// "Physique", "Sentimental", "Intellectuel": those among the cycles, in this order.
QStringList CycleNames(Cycles cycles);
