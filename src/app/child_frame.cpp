#include "app/child_frame.h"

#include "app/study_manager.h"
#include "framework/scroll_view.h"

#include <QCloseEvent>

CChildFrame::CChildFrame(CDocument &document, CScrollView *view, StudyManager &manager,
                         QWidget *parent)
    : QMdiSubWindow(parent), m_document(document), m_view(view), m_manager(manager)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
}

void CChildFrame::closeEvent(QCloseEvent *event)
{
    if (!m_manager.CanCloseFrame(*this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
