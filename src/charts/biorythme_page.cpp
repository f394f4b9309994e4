#include "charts/biorythme_page.h"

#include "charts/curve_chart.h"
#include "studies/biorythme_doc.h"

QSize DrawBiorythmePage(DrawDevice &dc, const COndarisDoc &doc, int fontHeight, bool showAverage)
{
    dc.SaveState();
    const PageFrame frame = CurvePageFrame(ReadPageUnits(dc, fontHeight), fontHeight);
    const int L = frame.units.L;
    DrawTitle(dc, frame, 2 * L, QStringLiteral(" - Biorythme à partir d'une date donnée"));

    dc.Rectangle(frame.left, 5 * L, frame.right, 9 * L);
    const int valueX = frame.left + dc.TextWidth(kStartDateLabel) + frame.units.cw;
    DrawIdentityRow(dc, frame, valueX, 6 * L, QStringLiteral("Identification : "),
                    PersonText(doc.name, doc.birthWeekday, doc.birthText));
    DrawIdentityRow(dc, frame, valueX, 7 * L, kStartDateLabel, doc.startText);

    const QSize extent = DrawCurveChartBody(
        dc, frame, 12 * L,
        CurveChartData{doc.dayLetters, doc.dayNumbers, doc.curveIntellectual, doc.curveSentimental,
                       doc.curvePhysical, doc.comment, showAverage});
    dc.RestoreState();
    return extent;
}
