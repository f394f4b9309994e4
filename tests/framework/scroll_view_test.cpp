#include "framework/draw_device.h"
#include "framework/scroll_view.h"

#include <QContextMenuEvent>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace {

// Records what the framework asks of a view.
class PageView : public CScrollView
{
public:
    QList<bool> drawnPrinting;
    QList<QPoint> menus;

    void OnDraw(DrawDevice &dc) override
    {
        drawnPrinting.append(dc.IsPrinting());
        dc.Rectangle(0, 0, 100, 100);
    }

protected:
    void OnContextMenu(const QPoint &globalPos) override { menus.append(globalPos); }
};

void Wheel(QWidget *viewport, int delta)
{
    QWheelEvent event(QPointF(10, 10), viewport->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
}

} // namespace

class ScrollViewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scrollSizes()
    {
        PageView view;
        view.resize(400, 300);
        view.SetScrollSizes(QSize(800, 2200), QSize(400, 314), QSize(16, 25));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QSize area = view.viewport()->size();
        QCOMPARE(view.verticalScrollBar()->maximum(), 2200 - area.height());
        QCOMPARE(view.horizontalScrollBar()->maximum(), 800 - area.width());
        QCOMPARE(view.verticalScrollBar()->pageStep(), 314);
        QCOMPARE(view.verticalScrollBar()->singleStep(), 25);
        QCOMPARE(view.horizontalScrollBar()->singleStep(), 16);
        view.resize(900, 2500);
        QTRY_COMPARE(view.verticalScrollBar()->maximum(), 0);
    }

    // A notch down scrolls three lines; at the top a notch up stays there; a view drawn on
    // screen is not printing.
    void wheel()
    {
        PageView view;
        view.resize(400, 300);
        view.SetScrollSizes(QSize(800, 2200), QSize(400, 314), QSize(16, 25));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        Wheel(view.viewport(), -120);
        QCOMPARE(view.GetScrollPosition().y(), 3 * 25);
        Wheel(view.viewport(), 120);
        Wheel(view.viewport(), 120);
        QCOMPARE(view.GetScrollPosition().y(), 0);
        QTRY_VERIFY(!view.drawnPrinting.isEmpty());
        QVERIFY(!view.drawnPrinting.contains(true));
    }

    void contextMenuPosition()
    {
        PageView view;
        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QPoint click = view.viewport()->mapToGlobal(QPoint(40, 50));
        QContextMenuEvent mouse(QContextMenuEvent::Mouse, QPoint(40, 50), click);
        QApplication::sendEvent(view.viewport(), &mouse);
        // From the keyboard the menu opens at the view's top-left corner.
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(150, 100),
                              view.viewport()->mapToGlobal(QPoint(150, 100)));
        QApplication::sendEvent(view.viewport(), &key);
        QCOMPARE(view.menus, (QList<QPoint>{click, view.viewport()->mapToGlobal(QPoint(0, 0))}));
    }
};

QTEST_MAIN(ScrollViewTest)
#include "scroll_view_test.moc"
