#include "charts/biorythme_view.h"

#include "charts/biorythme_page.h"
#include "studies/biorythme_doc.h"

COndarisView::COndarisView(COndarisDoc *document, QWidget *parent)
    : CurveChartView(document, parent), m_study(document)
{
}

QSize COndarisView::DrawPage(DrawDevice &dc)
{
    return DrawBiorythmePage(dc, *m_study, fontHeight, showAverage);
}

QString &COndarisView::Comment()
{
    return m_study->comment;
}
