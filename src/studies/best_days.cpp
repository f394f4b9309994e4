#include "studies/best_days.h"

#include <algorithm>

namespace {

// The counted values in the order sentimental, intellectual, physical.
QList<double> CountedValues(const StudyDays::Values &values, const BestDaysQuery &query)
{
    if (query.average)
        return {values.average};
    QList<double> counted;
    if (query.cycles & Cycle::Sentimental)
        counted.append(values.sentimental);
    if (query.cycles & Cycle::Intellectuel)
        counted.append(values.intellectual);
    if (query.cycles & Cycle::Physique)
        counted.append(values.physical);
    return counted;
}

bool Critical(const StudyDays &days, int day, Cycles counted)
{
    const QList<Cycles> persons = days.CriticalCyclesOf(day);
    return std::any_of(persons.begin(), persons.end(),
                       [counted](Cycles cycles) { return bool(cycles & counted); });
}

double Mean(const QList<double> &counted)
{
    if (counted.isEmpty())
        return 0;
    double sum = 0;
    for (double value : counted)
        sum += value;
    return sum / counted.size();
}

} // namespace

Cycles BestDaysQuery::CriticalCycles() const
{
    return average ? Cycle::Intellectuel | Cycle::Sentimental | Cycle::Physique : cycles;
}

double CountedMean(const StudyDays::Values &values, const BestDaysQuery &query)
{
    return Mean(CountedValues(values, query));
}

QList<BestDay> BestDays(const StudyDays &days, const BestDaysQuery &query)
{
    QList<BestDay> best;
    const int first = days.DayOf(query.from);
    for (int day = first; day < first + query.span; ++day) {
        const StudyDays::Values values = days.ValuesOf(day);
        const QList<double> counted = CountedValues(values, query);
        if (counted.isEmpty() ||
            !std::all_of(counted.begin(), counted.end(),
                         [&query](double value) { return -value > query.threshold; }))
            continue;
        if (query.skipCritical && Critical(days, day, query.CriticalCycles()))
            continue;
        best.append(BestDay{day, days.Date(day), values, Mean(counted)});
    }
    // The values are negative in the high half: the lowest mean is the highest on the page.
    std::stable_sort(best.begin(), best.end(),
                     [](const BestDay &a, const BestDay &b) { return a.mean < b.mean; });
    return best;
}
