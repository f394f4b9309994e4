#include "charts/compatibilite_page.h"

#include "studies/compatibilite_doc.h"

CurvePageHeader CompatibiliteHeader(const COndarisDoc2 &doc)
{
    return {QStringLiteral(" - Compatibilité à partir d'une date donnée"),
            {{QStringLiteral("Identification 1 : "),
              PersonText(doc.name1, doc.birthWeekday1, doc.birthText1)},
             {QStringLiteral("Identification 2 : "),
              PersonText(doc.name2, doc.birthWeekday2, doc.birthText2)}}};
}

QSize DrawCompatibilitePage(DrawDevice &dc, const COndarisDoc2 &doc, int fontHeight,
                            bool showAverage)
{
    return DrawCurvePage(dc, fontHeight, CompatibiliteHeader(doc), doc, showAverage);
}
