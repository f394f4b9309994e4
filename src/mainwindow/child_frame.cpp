#include "mainwindow/child_frame.h"

#include "framework/scroll_view.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QStyle>

CChildFrame::CChildFrame(CDocument &document, CScrollView *view, QWidget *parent)
    : QMdiSubWindow(parent), m_document(document), m_view(view)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
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
    const int fitWidth = room.width() - offset;
    resize(pageWidth > 0 && pageWidth < fitWidth ? pageWidth : fitWidth, room.height() - offset);
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
