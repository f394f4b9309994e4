#include "charts/compatibilite_page.h"

#include "charts/curve_chart.h"
#include "studies/compatibilite_doc.h"

QSize DrawCompatibilitePage(DrawDevice &dc, const COndarisDoc2 &doc, int fontHeight,
                            bool showAverage)
{
    dc.SaveState();
    const PageFrame frame = CurvePageFrame(ReadPageUnits(dc, fontHeight), fontHeight);
    const int L = frame.units.L;
    DrawTitle(dc, frame, 2 * L, QStringLiteral(" - Compatibilité à partir d'une date donnée"));

    dc.Rectangle(frame.left, 5 * L, frame.right, 10 * L);
    const int valueX = frame.left + dc.TextWidth(kStartDateLabel) + frame.units.cw;
    DrawIdentityRow(dc, frame, valueX, 6 * L, QStringLiteral("Identification 1 : "),
                    PersonText(doc.name1, doc.birthWeekday1, doc.birthText1));
    DrawIdentityRow(dc, frame, valueX, 7 * L, QStringLiteral("Identification 2 : "),
                    PersonText(doc.name2, doc.birthWeekday2, doc.birthText2));
    DrawIdentityRow(dc, frame, valueX, 8 * L, kStartDateLabel, doc.startText);

    const QSize extent = DrawCurveChartBody(
        dc, frame, 13 * L,
        CurveChartData{doc.dayLetters, doc.dayNumbers, doc.curveIntellectual, doc.curveSentimental,
                       doc.curvePhysical, doc.comment, showAverage});
    dc.RestoreState();
    return extent;
}
