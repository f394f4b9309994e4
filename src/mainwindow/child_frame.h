#pragma once

#include <QMdiSubWindow>
#include <functional>

class CDocument;
class CScrollView;
class QMdiArea;

// One window of a study, holding its view. A study may have several; closing the last one
// of a modified study first asks whether to save it, through the close check its owner sets.
class CChildFrame : public QMdiSubWindow
{
    Q_OBJECT
public:
    CChildFrame(CDocument &document, CScrollView *view, QWidget *parent = nullptr);

    CDocument &Document() const { return m_document; }
    CScrollView *View() const { return m_view; }

    // Gives a new window its first place: a step below and right of the windows already open,
    // as wide as the page when the area allows, as tall as the area allows.
    void PlaceIn(const QMdiArea &area);
    // Asked before the window closes; false keeps it open.
    void SetCloseCheck(std::function<bool(CChildFrame &)> check)
    {
        m_closeCheck = std::move(check);
    }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    CDocument &m_document;
    CScrollView *m_view;
    QWidget *m_side = nullptr; // beside the view, in a splitter
    std::function<bool(CChildFrame &)> m_closeCheck;
};
