#pragma once

#include "studies/study_year.h"

#include <QList>
#include <QString>
#include <QStringList>

class COndarisDoc3;
class StudyDays;
struct CurvePageHeader;
struct CurvePeriod;

// A page as a screen reader reads it: its texts in reading order around a table of its data.
struct PageReading
{
    QStringList textsBefore; // the title, the identification lines, the start date
    QString tableName;       // the heading of the data on the page
    QStringList columns;
    QList<QStringList> rows;
    QStringList textsAfter; // "Commentaires :" and the comment's lines

    friend bool operator==(const PageReading &, const PageReading &) = default;
};

// The heading "Commentaires :", then each line of the comment that says something.
QStringList CommentTexts(const QString &comment);

// A row a day: its date, its values as the page shows them, and its critical cycles.
PageReading CurvePageReading(const CurvePageHeader &header, const CurvePeriod &period,
                             const StudyDays &days, bool showAverage);
// A row a month and a column a day of the month, each cell the day's tool tip text on one line,
// the cells past a month's end empty.
// The tool tips show the three cycles, or the average alone when it is the year's curve.
PageReading YearPageReading(const CurvePageHeader &header, const QString &startText,
                            const StudyYear &year, StudyYear::Curve curve);
// The words of a day as its tool tip writes them, one line each.
QStringList DayTipLines(const StudyDays &days, int day, bool showAverage);
// A row a cycle and one for "Moyenne": the cycle, its score, the page's text of it.
PageReading AffinitePageReading(const COndarisDoc3 &doc);
