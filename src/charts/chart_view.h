#pragma once

#include "framework/document.h"
#include "framework/scroll_view.h"

#include <QPointer>
#include <functional>

// What the three study views share: the font height of each drawing, the scroll sizes that
// follow the page, the comment command and the "&Modifier" context menu.
class ChartView : public CScrollView
{
    Q_OBJECT
public:
    // Set before every drawing: a cell height on screen, minus a character height on paper.
    int fontHeight = 0;

    CDocument *GetDocument() const { return m_document; }

    void OnInitialUpdate() override;
    void OnPrepareDC(DrawDevice &dc) override;
    void OnDraw(DrawDevice &dc) override;

public Q_SLOTS:
    // The comment dialog on the study's comment; only this view redraws.
    void OnComment();

protected:
    ChartView(CDocument *document, QWidget *parent);

    // Draws the page at fontHeight and returns its extent.
    virtual QSize DrawPage(DrawDevice &dc) = 0;
    // The study's comment member.
    virtual QString &Comment() = 0;

    void OnContextMenu(const QPoint &globalPos) override;

    // Runs use on a device with the screen's metrics, prepared as for a drawing of this view,
    // that measures and draws nothing.
    void OnScreenDevice(const std::function<void(DrawDevice &dc)> &use);

private:
    // Widens the scroll sizes to a page that has grown beyond them, or back.
    void FollowExtent(const QSize &extent);

    QPointer<CDocument> m_document;
};
