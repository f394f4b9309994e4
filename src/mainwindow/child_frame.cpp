#include "mainwindow/child_frame.h"

#include "charts/chart_view.h"
#include "framework/scroll_view.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QSplitter>
#include <QStyle>

CChildFrame::CChildFrame(CDocument &document, CScrollView *view, QWidget *parent)
    : QMdiSubWindow(parent), m_document(document), m_view(view)
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto *chart = qobject_cast<ChartView *>(view);
    m_side = chart ? chart->SidePanel() : nullptr;
    if (!m_side) {
        setWidget(view);
        return;
    }
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(view);
    splitter->addWidget(m_side);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    // The page, not the side panel, is what the window is about.
    splitter->setFocusProxy(view);
    setWidget(splitter);
}

void CChildFrame::PlaceIn(const QMdiArea &area)
{
    if (isMaximized())
        return;
    const QSize room = area.viewport()->size();
    const qsizetype others = area.subWindowList().size() - 1;
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + 4;
    int offset = int(others % 8) * step;
    if (offset + 200 > room.height())
        offset = 0;
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int frameWidth =
        2 * style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const int pageWidth =
        m_view ? m_view->GetTotalSize().width() + scrollBar + 2 * m_view->frameWidth() + frameWidth
               : 0;
    const int sideWidth = m_side ? m_side->sizeHint().width() : 0;
    const int fitWidth = room.width() - offset;
    const int wanted = pageWidth > 0 ? pageWidth + sideWidth : 0;
    resize(wanted > 0 && wanted < fitWidth ? wanted : fitWidth, room.height() - offset);
    // The page keeps its width as far as the window allows; the side panel takes the rest.
    if (auto *splitter = qobject_cast<QSplitter *>(widget()); splitter && pageWidth > 0)
        splitter->setSizes({pageWidth - frameWidth, sideWidth});
    move(offset, offset);
}

void CChildFrame::closeEvent(QCloseEvent *event)
{
    if (m_closeCheck && !m_closeCheck(*this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
