#pragma once

#include <QByteArray>
#include <QList>

class CDocument;
struct BestDay;
class StudyYear;

// A study for a French spreadsheet: ";" between fields, decimal comma, UTF-8 with a byte-order
// mark and CR LF line ends. A study with a start date gives one row a day for span days (its
// values as the page draws them, the average, the critical cycles); an Affinité study its
// scores and texts; a Groupe study a row a pair, its names and its four scores.
QByteArray StudyCsv(const CDocument &study, int span);

// The best days in their rank, a row each: the rank, the date, the three values and the mean of
// the counted ones.
QByteArray BestDaysCsv(const QList<BestDay> &days);

// The year's days, a row each from the first of its first month, as the study's CSV writes them.
QByteArray YearCsv(const StudyYear &year);
