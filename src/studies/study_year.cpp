#include "studies/study_year.h"

#include <algorithm>

StudyYear::StudyYear(StudyDays days)
    : m_days(std::move(days)), m_first(m_days.Date(0).addDays(1 - m_days.Date(0).day()))
{
}

int StudyYear::DaysIn(int row) const
{
    const QDate month = Month(row);
    const QDate last = std::min(month.addMonths(1).addDays(-1), StudyDays::LastDate());
    return std::max(0, int(month.daysTo(last)) + 1);
}

int StudyYear::Span() const
{
    int span = 0;
    for (int row = 0; row < kMonths; ++row)
        span += DaysIn(row);
    return span;
}

std::optional<int> StudyYear::DayAt(int row, int column) const
{
    if (row < 0 || row >= kMonths || column < 0 || column >= DaysIn(row))
        return std::nullopt;
    return m_days.DayOf(Month(row).addDays(column));
}

std::optional<std::pair<int, int>> StudyYear::CellOf(int day) const
{
    const QDate date = m_days.Date(day);
    if (date < m_first)
        return std::nullopt;
    const int row = (date.year() - m_first.year()) * 12 + date.month() - m_first.month();
    if (row >= kMonths || date.day() > DaysIn(row))
        return std::nullopt;
    return std::pair{row, date.day() - 1};
}

StudyYear::Cell StudyYear::CellAt(int day) const
{
    Cycles critical;
    for (Cycles cycles : m_days.CriticalCyclesOf(day))
        critical |= cycles;
    return Cell{day, m_days.Date(day), m_days.ValuesOf(day), critical};
}

double StudyYear::ValueOf(const StudyDays::Values &values, Curve curve)
{
    switch (curve) {
    case Curve::Intellectuel:
        return values.intellectual;
    case Curve::Sentimental:
        return values.sentimental;
    case Curve::Physique:
        return values.physical;
    case Curve::Moyenne:
        break;
    }
    return values.average;
}
