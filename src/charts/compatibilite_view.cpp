#include "charts/compatibilite_view.h"

#include "charts/compatibilite_page.h"
#include "studies/compatibilite_doc.h"

COndarisView2::COndarisView2(COndarisDoc2 *document, QWidget *parent)
    : CurveChartView(document, parent), m_study(document)
{
}

QSize COndarisView2::DrawPage(DrawDevice &dc)
{
    return DrawCompatibilitePage(dc, *m_study, fontHeight, showAverage);
}

QString &COndarisView2::Comment()
{
    return m_study->comment;
}
