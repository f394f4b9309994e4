#include "framework/scroll_view.h"

#include "framework/message_box.h"
#include "framework/modules.h"
#include "framework/painter_device.h"
#include "printing/print_support.h"

#include <QContextMenuEvent>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

void ShowPrintFailed(QWidget *parent)
{
    messages::Show(parent, QMessageBox::Warning, QStringLiteral("L'impression a échoué."));
}

} // namespace

CScrollView::CScrollView(QWidget *parent) : QAbstractScrollArea(parent)
{
    viewport()->setAutoFillBackground(true);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(palette);
    viewport()->setBackgroundRole(QPalette::Window);
}

void CScrollView::OnPrepareDC(DrawDevice &) {}

void CScrollView::SetScrollSizes(const QSize &total, const QSize &page, const QSize &line)
{
    m_total = total;
    m_page = page;
    m_line = line;
    updateScrollBars();
    viewport()->update();
}

QPoint CScrollView::GetScrollPosition() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

int CScrollView::ScreenWidth() const
{
    const QScreen *shown = screen();
    return shown ? shown->geometry().width() : 0;
}

void CScrollView::updateScrollBars()
{
    const QSize area = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, m_total.width() - area.width()));
    verticalScrollBar()->setRange(0, std::max(0, m_total.height() - area.height()));
    horizontalScrollBar()->setPageStep(std::max(1, m_page.width()));
    verticalScrollBar()->setPageStep(std::max(1, m_page.height()));
    horizontalScrollBar()->setSingleStep(std::max(1, m_line.width()));
    verticalScrollBar()->setSingleStep(std::max(1, m_line.height()));
}

void CScrollView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CScrollView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const QPoint scrolled = GetScrollPosition();
    painter.translate(-scrolled.x(), -scrolled.y());
    PainterDevice dc(painter, false, ScreenWidth());
    OnPrepareDC(dc);
    OnDraw(dc);
}

bool CScrollView::PrintPage(QPaintDevice &printer)
{
    if (auto *paper = dynamic_cast<QPagedPaintDevice *>(&printer); paper && PrintsLandscape())
        paper->setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    {
        PainterDevice dc(painter, true);
        OnPrepareDC(dc);
        OnDraw(dc);
    }
    return painter.end();
}

void CScrollView::OnFilePrint()
{
    const auto printing = PrintModule();
    const auto outcome =
        printing ? printing.function().PrintWithDialog(
                       this, [this](QPaintDevice &printer) { return PrintPage(printer); })
                 : PrintSupport::Outcome::Failed;
    if (outcome == PrintSupport::Outcome::Failed)
        ShowPrintFailed(this);
}

void CScrollView::OnFilePrintPreview()
{
    const auto printing = PrintModule();
    if (!printing) {
        ShowPrintFailed(this);
        return;
    }
    printing.function().Preview(this, [this](QPaintDevice &printer) { return PrintPage(printer); });
}

void CScrollView::wheelEvent(QWheelEvent *event)
{
    QScrollBar *bar = verticalScrollBar();
    const int before = bar->value();
    QAbstractScrollArea::wheelEvent(event);
    if (bar->value() == before) {
        // The notch that the scroll bar left alone still moves one line, as its arrows would.
        const int delta = event->angleDelta().y();
        if (delta == 120)
            bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        else if (delta == -120)
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
    event->accept();
}

void CScrollView::contextMenuEvent(QContextMenuEvent *event)
{
    // From the keyboard there is no click: the menu opens at the view's top-left corner.
    const QPoint at = event->reason() == QContextMenuEvent::Mouse
                          ? event->globalPos()
                          : viewport()->mapToGlobal(QPoint(0, 0));
    OnContextMenu(at);
    event->accept();
}

void CScrollView::OnContextMenu(const QPoint &) {}
