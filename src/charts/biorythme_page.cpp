#include "charts/biorythme_page.h"

#include "studies/biorythme_doc.h"

CurvePageHeader BiorythmeHeader(const COndarisDoc &doc)
{
    return {QStringLiteral(" - Biorythme à partir d'une date donnée"),
            {{QStringLiteral("Identification : "),
              PersonText(doc.name, doc.birthWeekday, doc.birthText)}}};
}

QSize DrawBiorythmePage(DrawDevice &dc, const COndarisDoc &doc, int fontHeight, bool showAverage)
{
    return DrawCurvePage(dc, fontHeight, BiorythmeHeader(doc), doc, showAverage);
}
