#include "charts/groupe_view.h"

#include "charts/groupe_grid.h"
#include "charts/groupe_page.h"
#include "studies/groupe_doc.h"

CGroupeView::CGroupeView(CGroupeDoc *document, QWidget *parent)
    : ChartView(document, parent), m_study(document), m_grid(new GroupeGrid(*document))
{
    // The grid lives beside the view, in whatever holds both, and goes with the view.
    connect(this, &QObject::destroyed, m_grid, &QObject::deleteLater);
    connect(m_grid, &GroupeGrid::pairChosen, this, &CGroupeView::pairChosen);
    connect(document, &CDocument::allViewsUpdate, m_grid, &GroupeGrid::Refresh);
}

QWidget *CGroupeView::SidePanel() const
{
    return m_grid;
}

QSize CGroupeView::DrawPage(DrawDevice &dc)
{
    return DrawGroupePage(dc, *m_study, fontHeight);
}

PageReading CGroupeView::ReadPage() const
{
    return GroupePageReading(*m_study);
}

QString &CGroupeView::Comment()
{
    return m_study->comment;
}
