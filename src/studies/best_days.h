#pragma once

#include "core/critical_days.h"
#include "studies/study_days.h"

#include <QDate>
#include <QList>

// What a search of the best days counts, over which days.
struct BestDaysQuery
{
    // The shortest and longest spans that a search covers: one day to a year.
    static constexpr int kMinSpan = 1;
    static constexpr int kMaxSpan = 366;
    static constexpr int kDefaultSpan = 90;

    QDate from;
    int span = kDefaultSpan;
    // The counted cycles; with average, the "Moyenne" alone counts, made of the three.
    Cycles cycles = Cycle::Intellectuel | Cycle::Sentimental | Cycle::Physique;
    bool average = false;
    // A height above the midline as the page draws it: a counted value must lie above it, that
    // is its value, negative in the high half of a cycle, below -threshold.
    double threshold = 0;
    // Leave out the critical days of a counted cycle, of either person.
    bool skipCritical = true;

    // The cycles whose critical days matter: all three with the average.
    Cycles CriticalCycles() const;
};

struct BestDay
{
    int day; // from the study's start date
    QDate date;
    StudyDays::Values values;
    double mean; // of the counted values, on the values' scale
};

// The mean of the counted values of a day, added in the order of the "Moyenne" curve, so that
// the three cycles counted give that curve's value to the bit.
double CountedMean(const StudyDays::Values &values, const BestDaysQuery &query);

// The days of the query's span whose counted values all lie above the threshold, the highest
// mean on the page first, ties by date.
QList<BestDay> BestDays(const StudyDays &days, const BestDaysQuery &query);
