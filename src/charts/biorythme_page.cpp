#include "charts/biorythme_page.h"

#include "charts/curve_chart.h"
#include "studies/biorythme_doc.h"

QSize DrawBiorythmePage(DrawDevice &dc, const COndarisDoc &doc, int fontHeight, bool showAverage)
{
    return DrawCurvePage(dc, fontHeight, QStringLiteral(" - Biorythme à partir d'une date donnée"),
                         {{QStringLiteral("Identification : "),
                           PersonText(doc.name, doc.birthWeekday, doc.birthText)}},
                         doc, showAverage);
}
