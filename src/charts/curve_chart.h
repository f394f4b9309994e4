#pragma once

#include "charts/page_frame.h"
#include "core/calendar.h"
#include "core/cycles.h"

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
