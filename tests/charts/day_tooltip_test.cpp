#include "charts/compatibilite_view.h"
#include "charts/curve_chart.h"
#include "common/french_locale.h"
#include "framework/painter_device.h"
#include "people/names_list.h"
#include "studies/compatibilite_doc.h"
#include "studies/study_bytes.h"

#include <QHelpEvent>
#include <QPainter>
#include <QTest>
#include <QToolTip>

using namespace study_bytes;

// The tool tip of a day column. Claire is 115 days old on 13 January 2027, the study's day 12,
// and Paul 126: the means of their values are 2.036 (33 days), -1.559 (28 days) and -0.340
// (23 days), their average 0.046.
class DayTooltipTest : public QObject
{
    Q_OBJECT

private:
    NamesList m_names;

    // The middle of the column of a day, or a point of the title line for day -1, in the
    // viewport of a view that is not scrolled.
    static QPoint PointOf(int day)
    {
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter painter(&scratch);
        PainterDevice dc(painter, false, 800);
        const int height = PageFontHeight(dc);
        const PageFrame frame = CurvePageFrame(ReadPageUnits(dc, height), height);
        if (day < 0)
            return QPoint(frame.left + 40, 2 * frame.units.L);
        const ChartColumns columns = CurveChartColumns(frame, CurveGraphY(frame, 2));
        return QPoint(columns.left + day * columns.step + columns.step / 2,
                      (columns.top + columns.bottom) / 2);
    }

    static QString TipAt(COndarisView2 &view, const QPoint &point)
    {
        // A tip fades out rather than vanishing at once.
        QToolTip::hideText();
        if (!QTest::qWaitFor([]() { return !QToolTip::isVisible(); }))
            return QStringLiteral("the last tip stays");
        QHelpEvent event(QEvent::ToolTip, point, view.viewport()->mapToGlobal(point));
        QApplication::sendEvent(view.viewport(), &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

private Q_SLOTS:
    void tipOfADay()
    {
        COndarisDoc2 doc(m_names);
        QCOMPARE(Read(doc, File(1, "", "Claire Fontaine", "Paul",
                                {Date(COleDateTime(2026, 9, 20)), Date(COleDateTime(2026, 9, 9)),
                                 Date(COleDateTime(2027, 1, 1))})),
                 QString());
        COndarisView2 view(&doc);
        view.OnInitialUpdate();
        view.resize(1000, 1000);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        const QString tip = TipAt(view, PointOf(12));
        QCOMPARE(tip, QStringLiteral("Mercredi 13/01/2027\n"
                                     "Intellectuel : 2,0\n"
                                     "Sentimental : -1,5\n"
                                     "Physique : -0,3\n"
                                     "Jours critiques : Physique, Intellectuel (Claire Fontaine) / "
                                     "Physique, Sentimental (Paul)"));
        // 4 January: 106 and 117 days, no cycle crosses zero.
        const QStringList quiet = TipAt(view, PointOf(3)).split(u'\n');
        QCOMPARE(quiet.size(), 4);
        QCOMPARE(quiet.constFirst(), QStringLiteral("Lundi 04/01/2027"));
        view.OnAverage();
        QCOMPARE(TipAt(view, PointOf(12)),
                 QStringLiteral("Mercredi 13/01/2027\nMoyenne : 0,0\n") + tip.section(u'\n', 4));
        QCOMPARE(TipAt(view, PointOf(-1)), QString());
    }
};

QTEST_MAIN_FRENCH(DayTooltipTest)
#include "day_tooltip_test.moc"
