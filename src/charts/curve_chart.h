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

// A curve value a units of the chart high, truncated toward zero to whole pixels.
int CurveOffset(int a, double value);

// "Graphique :" at graphY, the chart of 29 day columns whose top line lies 4 L lower, its
// legend and the comment block. Returns the page's extent.
QSize DrawCurveChartBody(DrawDevice &dc, const PageFrame &frame, int graphY,
                         const CurveChartData &data);

// A line of the identity block: its label and its value.
struct IdentityLine
{
    QString label;
    QString value;
};

// A whole page of curves at a font height: the title, the identity block (the persons' lines,
// then the start date) and the chart of the period. Returns the page's extent; the device's
// state is given back as it was.
QSize DrawCurvePage(DrawDevice &dc, int fontHeight, const QString &titleWords,
                    const QList<IdentityLine> &persons, const CurvePeriod &period,
                    bool showAverage);
