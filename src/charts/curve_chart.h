#pragma once

#include "charts/page_frame.h"
#include "core/calendar.h"
#include "core/cycles.h"

#include <QList>

struct CurvePeriod;

// What the Biorythme and Compatibilité pages draw below their identity blocks.
struct CurveChartData
{
    const QString &dayLetters;
    const DayLabels &dayNumbers;
    const CycleSeries &intellectual;
    const CycleSeries &sentimental;
    const CycleSeries &physical;
    const QString &comment;
    bool showAverage = false;
};

// Where the 29 day columns of a chart lie on its page.
struct ChartColumns
{
    int left = 0;
    int step = 0;   // the width of a column
    int top = 0;    // y0, the top line
    int bottom = 0; // yb, the bottom line

    // The day of the column under a point of the page, or -1 outside the chart.
    int DayAt(const QPoint &point) const;
};

// The line of "Graphique :" on a page whose identity block has a row a person and one for the
// start date: 12 L for one person, 13 L for two.
int CurveGraphY(const PageFrame &frame, int persons);
// The columns of the chart whose "Graphique :" line is at graphY.
ChartColumns CurveChartColumns(const PageFrame &frame, int graphY);

// A curve value a units of the chart high, truncated toward zero to whole pixels.
int CurveOffset(int a, double value);

// "Graphique :" at graphY, the chart of 29 day columns whose top line lies 4 L lower, its
// legend and the comment block. Returns the page's extent.
QSize DrawCurveChartBody(DrawDevice &dc, const PageFrame &frame, int graphY,
                         const CurveChartData &data);

// What a page of curves says above its start date: the words after "Ondaris v3" in its title
// and a line a person.
struct CurvePageHeader
{
    QString titleWords;
    QList<IdentityLine> persons;
};

// The framed identity block from 5 L, a row a line with a line's margin above and below, the
// values after the width of "Date de départ : " in the label font. Returns its bottom.
int DrawIdentityBlock(DrawDevice &dc, const PageFrame &frame, const QList<IdentityLine> &lines);

// A whole page of curves at a font height: the title, the identity block (the persons' lines,
// then the start date) and the chart of the period. Returns the page's extent; the device's
// state is given back as it was.
QSize DrawCurvePage(DrawDevice &dc, int fontHeight, const CurvePageHeader &header,
                    const CurvePeriod &period, bool showAverage);
