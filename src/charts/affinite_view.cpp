#include "charts/affinite_view.h"

#include "charts/affinite_page.h"
#include "charts/page_reading.h"
#include "framework/draw_device.h"
#include "studies/affinite_doc.h"

COndarisView3::COndarisView3(COndarisDoc3 *document, QWidget *parent)
    : ChartView(document, parent), m_study(document)
{
}

void COndarisView3::OnPrepareDC(DrawDevice &dc)
{
    barCorrection = dc.IsPrinting() ? kPrintBarCorrection : kScreenBarCorrection;
    ChartView::OnPrepareDC(dc);
}

QSize COndarisView3::DrawPage(DrawDevice &dc)
{
    return DrawAffinitePage(dc, *m_study, fontHeight, barCorrection);
}

PageReading COndarisView3::ReadPage() const
{
    return AffinitePageReading(*m_study);
}

QString &COndarisView3::Comment()
{
    return m_study->comment;
}
