#include "charts/affinite_page.h"
#include "charts/page_frame.h"
#include "people/names_list.h"
#include "recorder.h"
#include "studies/affinite_doc.h"

#include <QTest>

using Call = RecordingDevice::Call;

// The Affinité page on a recorder with cw = 8 and L = 20: T = 440, aa = 31, ab = 48, u = 4,
// x0 = 252, x1 ... x7 = 300 ... 588, top = 460, bottom = 900, yk = 900 - 31 k.
class AffinitePageTest : public QObject
{
    Q_OBJECT

private:
    NamesList m_names;

    std::unique_ptr<COndarisDoc3> Study()
    {
        auto doc = std::make_unique<COndarisDoc3>(m_names);
        doc->name1 = QStringLiteral("Jeanne");
        doc->birthWeekday1 = QStringLiteral("Dimanche");
        doc->birthText1 = QStringLiteral("15/03/1970");
        doc->name2.clear();
        doc->birthWeekday2 = QStringLiteral("Samedi");
        doc->birthText2 = QStringLiteral("21/06/1975");
        doc->scoreIntellectual = 93.9;
        doc->scoreSentimental = 92.8;
        doc->scorePhysical = 91.3;
        doc->scoreAverage = 92.7;
        doc->textIntellectual = QStringLiteral("93");
        doc->textSentimental = QStringLiteral("92");
        doc->textPhysical = QStringLiteral("91");
        doc->textAverage = QStringLiteral("92");
        doc->comment = QStringLiteral("un\r\ndeux");
        return doc;
    }

    static int y(int k) { return 900 - 31 * k; }

    // The height of the first bar, from its back top at y3 - h.
    static int BarHeight(const RecordingDevice &dc)
    {
        const QList<Call> polygons = dc.callsOf(Call::Polygon);
        return y(3) - polygons[1].points[1].y();
    }

private Q_SLOTS:
    void header()
    {
        auto doc = Study();
        RecordingDevice dc(UnitsChoice(20, 8));
        DrawAffinitePage(dc, *doc, 17, kScreenBarCorrection);
        const QString title =
            QStringLiteral("Ondaris v3 - Biorythme : Affinités entre deux personnes");
        QCOMPARE(TextAt(dc, title), QPoint((96 + 848 - 8 * int(title.size())) / 2, 60));
        QCOMPARE(dc.callsOf(Call::Rectangle).first().points,
                 (QList<QPoint>{{96, 120}, {848, 200}}));
        QCOMPARE(TextAt(dc, QStringLiteral("Identification 1 : ")), QPoint(104, 140));
        QCOMPARE(TextAt(dc, QStringLiteral("Identification 2 : ")), QPoint(104, 160));
        QCOMPARE(TextAt(dc, QStringLiteral("Jeanne (Dimanche 15/03/1970)")),
                 QPoint(104 + 17 * 8, 140));
        QCOMPARE(TextAt(dc, QStringLiteral("Anonyme (Samedi 21/06/1975)")),
                 QPoint(104 + 17 * 8, 160));
        QVERIFY(!dc.findText(QStringLiteral("Date de départ : ")));
        QCOMPARE(TextAt(dc, QStringLiteral("Résultats :")), QPoint(104, 280));
    }

    void scoreLine()
    {
        auto doc = Study();
        RecordingDevice dc(UnitsChoice(20, 8));
        DrawAffinitePage(dc, *doc, 17, kScreenBarCorrection);
        const QStringList items = {
            QStringLiteral("Intellectuel : 93%"), QStringLiteral("Sentimental : 92%"),
            QStringLiteral("Physique : 91%"), QStringLiteral("Moyenne : 92%")};
        const QList<QColor> colors = {QColor(0, 0, 128), QColor(0, 128, 0), QColor(128, 0, 0),
                                      QColor(128, 0, 128)};
        int x = 104;
        for (int i = 0; i < items.size(); ++i) {
            const Call *call = dc.findText(items[i]);
            QVERIFY2(call, qPrintable(items[i]));
            QCOMPARE(call->points[0], QPoint(x, 320));
            QCOMPARE(call->textColor, colors[i]);
            QCOMPARE(call->font, TextFont(17));
            x += 8 * int(items[i].size()) + 16;
        }
        QCOMPARE(dc.findText(QStringLiteral("Histogramme :"))->textColor, QColor(0, 0, 0));
    }

    void workedGeometry()
    {
        auto doc = Study();
        RecordingDevice dc(UnitsChoice(20, 8));
        DrawAffinitePage(dc, *doc, 17, kScreenBarCorrection);

        QCOMPARE(TextAt(dc, QStringLiteral("Histogramme :")), QPoint(104, 400));
        const QList<Call> rects = dc.callsOf(Call::Rectangle);
        QCOMPARE(rects[1].points, (QList<QPoint>{{252, 466}, {692, 900}}));
        // Back wall from (x2, y13) to (x7 + ab, y3).
        QCOMPARE(rects[2].points, (QList<QPoint>{{348, y(13)}, {636, y(3)}}));
        QCOMPARE(y(13), 497);
        QCOMPARE(y(12), 528);
        QCOMPARE(y(3), 807);

        QCOMPARE(TextAt(dc, QStringLiteral("0")), QPoint(300 - 16, 838));
        QCOMPARE(TextAt(dc, QStringLiteral("10")), QPoint(300 - 24, 807));
        QCOMPARE(TextAt(dc, QStringLiteral("90")), QPoint(300 - 24, y(11)));
        QCOMPARE(TextAt(dc, QStringLiteral("100")), QPoint(300 - 32, 528));
        QCOMPARE(TextAt(dc, QStringLiteral("Int")), QPoint(356, 869));
        QCOMPARE(TextAt(dc, QStringLiteral("Sen")), QPoint(404, 869));
        QCOMPARE(TextAt(dc, QStringLiteral("Phy")), QPoint(452, 869));
        QCOMPARE(TextAt(dc, QStringLiteral("Moy")), QPoint(548, 869));
        QCOMPARE(dc.findText(QStringLiteral("Moy"))->font, LabelFont(17));

        const QList<Call> lines = dc.callsOf(Call::Polyline);
        QCOMPARE(lines[0].points, (QList<QPoint>{{300, 838}, {300, 528}, {348, 497}}));
        QCOMPARE(lines[1].points, (QList<QPoint>{{300, 807}, {348, 776}, {636, 776}}));
        QCOMPARE(lines[9].points, (QList<QPoint>{{300, y(11)}, {348, y(12)}, {636, y(12)}}));

        const QList<Call> polygons = dc.callsOf(Call::Polygon);
        QCOMPARE(polygons.size(), 1 + 4);
        QCOMPARE(polygons[0].points,
                 (QList<QPoint>{{300, 838}, {348, 807}, {636, 807}, {588, 838}}));
        QCOMPARE(polygons[0].brush, QColor(210, 210, 210));

        QCOMPARE(TextAt(dc, QStringLiteral("Commentaires :")), QPoint(104, 980));
        QCOMPARE(TextAt(dc, QStringLiteral("un")), QPoint(112, 1000));
        QCOMPARE(TextAt(dc, QStringLiteral("deux")), QPoint(112, 1020));
    }

    void bars()
    {
        auto doc = Study();
        RecordingDevice dc(UnitsChoice(20, 8));
        DrawAffinitePage(dc, *doc, 17, kScreenBarCorrection);
        const QList<Call> polygons = dc.callsOf(Call::Polygon);
        // Intellectual 93: h = 9 x 31 + 3 x 4 = 291; yF = 807 + 15 - 291, yB = 807 - 291.
        QCOMPARE(polygons[1].points,
                 (QList<QPoint>{
                     {348, 531}, {372, 516}, {420, 516}, {420, 807}, {396, 822}, {396, 531}}));
        QCOMPARE(polygons[1].brush, QColor(0, 0, 128));
        QCOMPARE(polygons[2].brush, QColor(0, 128, 0));
        QCOMPARE(polygons[3].brush, QColor(128, 0, 0));
        QCOMPARE(polygons[4].brush, QColor(128, 0, 128));
        QCOMPARE(polygons[4].points[0], QPoint(540, 807 + 15 - (9 * 31 + 2 * 4)));

        const QList<Call> rects = dc.callsOf(Call::Rectangle);
        QCOMPARE(rects.size(), 3 + 4);
        QCOMPARE(rects[3].points, (QList<QPoint>{{348, 822}, {396, 531}}));
        QCOMPARE(rects[3].brush, QColor(0, 0, 200));
        QCOMPARE(rects[6].brush, QColor(200, 0, 200));
        QCOMPARE(dc.state().brush, QColor(255, 255, 255));
    }

    void barCorrection_data()
    {
        QTest::addColumn<double>("score");
        QTest::addColumn<int>("correction");
        QTest::addColumn<int>("height");
        QTest::newRow("95 on screen") << 95.0 << kScreenBarCorrection << 9 * 31 + 5 * 4;
        QTest::newRow("96 on screen") << 96.9 << kScreenBarCorrection << 9 * 31 + 5 * 4;
        QTest::newRow("95 printed") << 95.0 << kPrintBarCorrection << 9 * 31 + 5 * 4;
        QTest::newRow("96 printed") << 96.0 << kPrintBarCorrection << 9 * 31 + 3 * 4;
        QTest::newRow("99 on screen") << 99.99 << kScreenBarCorrection << 311;
        QTest::newRow("100") << 100.0 << kScreenBarCorrection << 310;
        QTest::newRow("0") << 0.0 << kScreenBarCorrection << 0;
    }

    void barCorrection()
    {
        QFETCH(double, score);
        QFETCH(int, correction);
        QFETCH(int, height);
        auto doc = Study();
        doc->scoreIntellectual = score;
        RecordingDevice dc(UnitsChoice(20, 8));
        DrawAffinitePage(dc, *doc, 17, correction);
        QCOMPARE(BarHeight(dc), height);
    }

    void flatBarOnTheFloor()
    {
        auto doc = Study();
        doc->scoreIntellectual = 0.0;
        RecordingDevice dc(UnitsChoice(20, 8));
        DrawAffinitePage(dc, *doc, 17, kScreenBarCorrection);
        const QList<Call> rects = dc.callsOf(Call::Rectangle);
        QCOMPARE(rects[3].points, (QList<QPoint>{{348, 822}, {396, 822}}));
    }

    void emptyComment()
    {
        auto doc = Study();
        doc->comment.clear();
        RecordingDevice dc(UnitsChoice(20, 8));
        const QSize extent = DrawAffinitePage(dc, *doc, 17, kScreenBarCorrection);
        QCOMPARE(dc.texts().last(), QStringLiteral("Commentaires :"));
        // The page is 106 cw wide plus a margin of 12 cw.
        QCOMPARE(extent, QSize(848 + 96, 1000 + 20));
    }
};

QTEST_MAIN(AffinitePageTest)
#include "affinite_page_test.moc"
