#pragma once

#include <QAbstractScrollArea>
#include <QSize>

class DrawDevice;
class QPaintDevice;

// A view that draws one page in a scrolling window, on a printer and in a print preview, with
// the same OnPrepareDC and OnDraw for all three. Sizes are in device pixels.
class CScrollView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit CScrollView(QWidget *parent = nullptr);

    // Once the view has its document, before it is first drawn.
    virtual void OnInitialUpdate() {}
    // Before every drawing, on the screen or on paper; the page is then drawn from the device's
    // origin: the scroll position on screen, the printable area's top-left corner on paper.
    virtual void OnPrepareDC(DrawDevice &dc);
    virtual void OnDraw(DrawDevice &dc) = 0;

    void SetScrollSizes(const QSize &total, const QSize &page, const QSize &line);
    QSize GetTotalSize() const { return m_total; }
    QPoint GetScrollPosition() const;
    // The width of the screen that shows the view, which the page's font follows.
    int ScreenWidth() const;

    // Draws the page once on the printer; false when the printer cannot be painted on.
    bool PrintPage(QPaintDevice &printer);

public Q_SLOTS:
    // The print dialog, then one page; cancelling prints nothing.
    void OnFilePrint();
    // The preview of the one page: Page Down and Page Up turn pages, Escape closes.
    void OnFilePrintPreview();

protected:
    // A page wider than tall turns the printer's paper, whatever its set-up said.
    virtual bool PrintsLandscape() const { return false; }
    // A right click or the context-menu key; the position is global.
    virtual void OnContextMenu(const QPoint &globalPos);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void updateScrollBars();

    QSize m_total;
    QSize m_page;
    QSize m_line;
};
