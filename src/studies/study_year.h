#pragma once

#include "core/critical_days.h"
#include "studies/study_days.h"

#include <QDate>
#include <optional>

// A study's days laid out as a year: twelve rows, one a month from the month of the start date,
// and a column a day of the month. Every cell is one of the study's days, with the values and
// critical days that its page and its exports give that day; the days before the start date are
// counted back from it. No cell lies past the last date that a study's dates can take.
class StudyYear
{
public:
    static constexpr int kMonths = 12;
    static constexpr int kColumns = 31;

    // What a curve of the year's cells shows: one cycle or the average.
    enum class Curve { Intellectuel, Sentimental, Physique, Moyenne };

    struct Cell
    {
        int day; // the study's day
        QDate date;
        StudyDays::Values values;
        Cycles critical; // of either person
    };

    explicit StudyYear(StudyDays days);

    const StudyDays &Days() const { return m_days; }
    // The first of the start date's month.
    QDate First() const { return m_first; }
    // The first of the row's month.
    QDate Month(int row) const { return m_first.addMonths(row); }
    // The number of cells of the row's month.
    int DaysIn(int row) const;
    // The number of days of the whole year, 365 or 366 (fewer at the very last date).
    int Span() const;

    // The cell of the row's day of the month (column 0 for the 1st); nothing past its month.
    std::optional<int> DayAt(int row, int column) const;
    // The row and column of a study's day, or nothing outside the year.
    std::optional<std::pair<int, int>> CellOf(int day) const;
    Cell CellAt(int day) const;

    // A day's value on the curve.
    static double ValueOf(const StudyDays::Values &values, Curve curve);

private:
    StudyDays m_days;
    QDate m_first;
};
