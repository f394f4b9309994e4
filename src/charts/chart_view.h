#pragma once

#include "charts/page_reading.h"
#include "framework/document.h"
#include "framework/scroll_view.h"

#include <QPointer>
#include <functional>
#include <optional>

// What the three study views share: the font height of each drawing, the scroll sizes that
// follow the page, the comment command and the "&Modifier" context menu.
class ChartView : public CScrollView
{
    Q_OBJECT
public:
    // Set before every drawing: a cell height on screen, minus a character height on paper.
    int fontHeight = 0;

    CDocument *GetDocument() const { return m_document; }

    // The page as a screen reader reads it, kept until the page changes.
    const PageReading &Reading() const;
    // The row of the reading's table that the keyboard is on, or -1.
    virtual int CursorRow() const { return -1; }
    // The cell of that row that the keyboard is on, or -1 for the whole row.
    virtual int CursorColumn() const { return -1; }
    // What the study's window shows beside the page, or null.
    virtual QWidget *SidePanel() const { return nullptr; }

    void OnInitialUpdate() override;
    void OnPrepareDC(DrawDevice &dc) override;
    void OnDraw(DrawDevice &dc) override;

public Q_SLOTS:
    // The comment dialog on the study's comment; only this view redraws.
    void OnComment();
    // The study or what the window shows of it has changed: the page is read again and the
    // accessibility bus is told.
    void PageChanged();

protected:
    ChartView(CDocument *document, QWidget *parent);

    // Draws the page at fontHeight and returns its extent.
    virtual QSize DrawPage(DrawDevice &dc) = 0;
    virtual PageReading ReadPage() const = 0;
    // The study's comment member.
    virtual QString &Comment() = 0;
    // The context menu's item of the document's persons command.
    virtual QString PersonsItemText() const { return QStringLiteral("&Identification..."); }

    void OnContextMenu(const QPoint &globalPos) override;

    // Runs use on a device with the screen's metrics, prepared as for a drawing of this view,
    // that measures and draws nothing.
    void OnScreenDevice(const std::function<void(DrawDevice &dc)> &use);

private:
    // Widens the scroll sizes to a page that has grown beyond them, or back.
    void FollowExtent(const QSize &extent);

    QPointer<CDocument> m_document;
    mutable std::optional<PageReading> m_reading;
};
