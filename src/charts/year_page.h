#pragma once

#include "charts/curve_chart.h"
#include "studies/study_year.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <utility>

class CDocument;

// "Mars 2027".
QString MonthText(const QDate &month);

// The curve's name as the pages write it: "Intellectuel", ..., "Moyenne".
QString CurveName(StudyYear::Curve curve);

// The four steps of the year's scale, from the high half of a cycle to the low half: a shade
// that darkens with the value's height and a sign that reads without colour.
struct YearShade
{
    QColor fill;
    QString sign;   // "++", "+", "−", "−−"
    QString legend; // "de -5 à -2,5 : phase haute"
};
// The step of a value (negative in the high half, as the curves hold it): 0 for the highest.
int ShadeStep(double value);
YearShade ShadeOf(int step, StudyYear::Curve curve);
inline constexpr int kShadeSteps = 4;
// The legend's line of the critical days' initials.
inline const QString kCriticalLegend =
    QStringLiteral("Jours critiques : P Physique, S Sentimental, I Intellectuel");
// "Courbe : " and the curve's name, as the identity block writes it.
inline const QString kCurveLabel = QStringLiteral("Courbe : ");

// The header of a study's year page: its title words and the persons' lines.
CurvePageHeader YearHeader(const CDocument &study);

// Where the year's cells lie on its page: a row a month under a row of the days of the month.
struct YearGrid
{
    PageFrame frame;
    int cellsLeft = 0; // the left edge of the column of the 1st
    int cellWidth = 0;
    int top = 0; // the top of the first month's row
    int rowHeight = 0;

    QRect CellRect(int row, int column) const;
    // The row and column of the cell under a point of the page, or nothing.
    std::optional<std::pair<int, int>> CellAt(const QPoint &point) const;
};

// The grid of a page whose identity block holds a line a person.
YearGrid YearPageGrid(const PageUnits &units, int fontHeight, int persons);

// The whole year page at a font height, the cells shaded by the curve; returns the page's
// extent. The device's state is given back as it was.
QSize DrawYearPage(DrawDevice &dc, int fontHeight, const CurvePageHeader &header,
                   const QString &startText, const StudyYear &year, StudyYear::Curve curve);
// The same for a study with a start date, whose header and start text it reads.
QSize DrawStudyYearPage(DrawDevice &dc, const CDocument &study, int fontHeight,
                        StudyYear::Curve curve);
