#include "charts/biorythme_page.h"
#include "charts/page_frame.h"
#include "people/names_list.h"
#include "recorder.h"
#include "studies/biorythme_doc.h"

#include <QTest>

using Call = RecordingDevice::Call;

// The Biorythme page on a recorder with cw = 7 and L = 20: left edge 84, chart 638 wide in
// columns of 22, top line 16 L = 320, a = 17.
class BiorythmePageTest : public QObject
{
    Q_OBJECT

private:
    NamesList m_names;

    // A study started on Sunday 5 September 2004.
    std::unique_ptr<COndarisDoc> Study()
    {
        auto doc = std::make_unique<COndarisDoc>(m_names);
        doc->name = QStringLiteral("X");
        doc->birthWeekday = QStringLiteral("Dimanche");
        doc->birthText = QStringLiteral("15/03/1970");
        doc->startText = QStringLiteral("05/09/2004");
        const COleDateTime start(2004, 9, 5);
        doc->dayLetters = WeekdayLetterRow(start);
        doc->dayNumbers = DayLabelRow(start);
        for (int i = 0; i < kSeriesLength; ++i) {
            doc->curveIntellectual[i] = -1.0;
            doc->curveSentimental[i] = 2.0;
            doc->curvePhysical[i] = 3.0;
        }
        doc->comment = QStringLiteral("a\r\nb");
        return doc;
    }

private Q_SLOTS:
    void frameAndHeader()
    {
        auto doc = Study();
        RecordingDevice dc(UnitsChoice(20, 7));
        DrawBiorythmePage(dc, *doc, 17, false);

        const QString title = QStringLiteral("Ondaris v3 - Biorythme à partir d'une date donnée");
        QCOMPARE(TextAt(dc, title), QPoint((84 + 722 - 7 * int(title.size())) / 2, 40));
        const QList<Call> rects = dc.callsOf(Call::Rectangle);
        QCOMPARE(rects.size(), 1);
        QCOMPARE(rects[0].points, (QList<QPoint>{{84, 100}, {722, 180}}));
        QCOMPARE(rects[0].brush, QColor(255, 255, 255));

        // Value column: left + width of "Date de départ : " (17 characters) + cw.
        QCOMPARE(TextAt(dc, QStringLiteral("Identification : ")), QPoint(91, 120));
        const Call *person = dc.findText(QStringLiteral("X (Dimanche 15/03/1970)"));
        QVERIFY(person);
        QCOMPARE(person->points[0], QPoint(210, 120));
        QCOMPARE(person->font, TextFont(17));
        QCOMPARE(dc.findText(QStringLiteral("Identification : "))->font, LabelFont(17));
        QCOMPARE(TextAt(dc, QStringLiteral("Date de départ : ")), QPoint(91, 140));
        QCOMPARE(TextAt(dc, QStringLiteral("05/09/2004")), QPoint(210, 140));
        QCOMPARE(TextAt(dc, QStringLiteral("Graphique :")), QPoint(91, 240));
    }

    void anonymousPerson()
    {
        auto doc = Study();
        doc->name.clear();
        RecordingDevice dc(UnitsChoice(20, 7));
        DrawBiorythmePage(dc, *doc, 17, false);
        QVERIFY(dc.findText(QStringLiteral("Anonyme (Dimanche 15/03/1970)")));
    }

    void chartLinesAndColumns()
    {
        auto doc = Study();
        RecordingDevice dc(UnitsChoice(20, 7));
        DrawBiorythmePage(dc, *doc, 17, false);

        const QList<Call> black = PolylinesIn(dc, QColor(0, 0, 0));
        // Top, bottom, left edge, then one vertical line per column.
        QCOMPARE(black.size(), 3 + 29);
        QCOMPARE(black[0].points, (QList<QPoint>{{84, 320}, {722, 320}}));
        QCOMPARE(black[1].points, (QList<QPoint>{{84, 524}, {722, 524}}));
        QCOMPARE(black[2].points, (QList<QPoint>{{84, 524}, {84, 320}}));
        QCOMPARE(black[3].points, (QList<QPoint>{{106, 524}, {106, 320}}));
        QCOMPARE(black.last().points, (QList<QPoint>{{722, 524}, {722, 320}}));
        QCOMPARE(black[0].pen, PenSpec{});

        const QList<Call> midline = PolylinesIn(dc, QColor(180, 180, 180));
        QCOMPARE(midline.size(), 1);
        QCOMPARE(midline[0].points, (QList<QPoint>{{84, 422}, {722, 422}}));
        QCOMPARE(midline[0].pen.style, PenSpec::Dash);
        QCOMPARE(midline[0].pen.width, 1);

        // Column 0 is a Sunday, column 1 a Monday, column 7 the next Sunday.
        const QList<Call> texts = dc.callsOf(Call::Text);
        auto letterAt = [&texts](int x) -> const Call * {
            for (const Call &call : texts) {
                if (call.points[0] == QPoint(x, 300))
                    return &call;
            }
            return nullptr;
        };
        const Call *sunday = letterAt(84 + 6);
        QVERIFY(sunday);
        QCOMPARE(sunday->text, QStringLiteral("D"));
        QCOMPARE(sunday->textColor, QColor(128, 0, 0));
        QCOMPARE(sunday->font, LabelFont(17));
        QCOMPARE(letterAt(84 + 22 + 6)->textColor, QColor(0, 0, 128));
        QCOMPARE(letterAt(84 + 7 * 22 + 6)->textColor, QColor(128, 0, 0));
        const Call *firstLabel = dc.findText(QStringLiteral(" 5"));
        QVERIFY(firstLabel);
        QCOMPARE(firstLabel->points[0], QPoint(85, 528));
        QCOMPARE(firstLabel->textColor, QColor(128, 0, 0));
        QCOMPARE(TextAt(dc, QStringLiteral(" 6")), QPoint(107, 528));
    }

    void curvesAndLegend_data()
    {
        QTest::addColumn<bool>("showAverage");
        QTest::newRow("three cycles") << false;
        QTest::newRow("average") << true;
    }

    void curvesAndLegend()
    {
        QFETCH(bool, showAverage);
        auto doc = Study();
        RecordingDevice dc(UnitsChoice(20, 7));
        DrawBiorythmePage(dc, *doc, 17, showAverage);

        const QList<Call> wide = [&dc]() {
            QList<Call> found;
            for (const Call &call : dc.callsOf(Call::Polyline)) {
                if (call.pen.width == 2)
                    found.append(call);
            }
            return found;
        }();
        if (showAverage) {
            QCOMPARE(wide.size(), 1);
            QCOMPARE(wide[0].pen.color, QColor(128, 0, 128));
            // (2 + -1 + 3) / 3 x 17 = 22.67, truncated.
            QCOMPARE(wide[0].points[0], QPoint(84, 422 + 22));
            QCOMPARE(TextAt(dc, QStringLiteral("Moyenne")), QPoint(84, 564));
            QVERIFY(!dc.findText(QStringLiteral("Intellectuel")));
            return;
        }
        QCOMPARE(wide.size(), 3);
        QCOMPARE(wide[0].pen.color, QColor(0, 0, 128));
        QCOMPARE(wide[1].pen.color, QColor(0, 128, 0));
        QCOMPARE(wide[2].pen.color, QColor(128, 0, 0));
        QCOMPARE(wide[0].points.size(), 30);
        QCOMPARE(wide[0].points[0], QPoint(84, 422 - 17));
        QCOMPARE(wide[0].points[29], QPoint(84 + 29 * 22, 422 - 17));
        QCOMPARE(wide[1].points[5], QPoint(84 + 5 * 22, 422 + 34));

        // Legend at yb + 2 L, 13 cw between the words.
        QCOMPARE(TextAt(dc, QStringLiteral("Intellectuel")), QPoint(84, 564));
        QCOMPARE(TextAt(dc, QStringLiteral("Sentimental")), QPoint(84 + 12 * 7 + 91, 564));
        QCOMPARE(TextAt(dc, QStringLiteral("Physique")), QPoint(259 + 11 * 7 + 91, 564));
        QCOMPARE(dc.findText(QStringLiteral("Physique"))->textColor, QColor(128, 0, 0));
        QVERIFY(!dc.findText(QStringLiteral("Moyenne")));
    }

    void truncatedCurvePoint()
    {
        auto doc = Study();
        doc->curveIntellectual[0] = -4.99;
        RecordingDevice dc(UnitsChoice(20, 7));
        DrawBiorythmePage(dc, *doc, 15, false);
        const QList<Call> blue = PolylinesIn(dc, QColor(0, 0, 128));
        QCOMPARE(blue.size(), 1);
        const int ym = 16 * 20 + 6 * 15;
        QCOMPARE(blue[0].points[0], QPoint(84, ym - 74));
    }

    void commentBlock()
    {
        auto doc = Study();
        RecordingDevice dc(UnitsChoice(20, 7));
        DrawBiorythmePage(dc, *doc, 17, false);
        QCOMPARE(TextAt(dc, QStringLiteral("Commentaires :")), QPoint(91, 624));
        QCOMPARE(TextAt(dc, QStringLiteral("a")), QPoint(98, 644));
        QCOMPARE(TextAt(dc, QStringLiteral("b")), QPoint(98, 664));
        QCOMPARE(dc.findText(QStringLiteral("a"))->font, TextFont(17));
        QCOMPARE(dc.findText(QStringLiteral("a"))->textColor, QColor(0, 0, 0));
    }

    void pageExtentCoversThePage()
    {
        auto doc = Study();
        RecordingDevice dc(UnitsChoice(20, 8));
        const QSize extent = DrawBiorythmePage(dc, *doc, 17, false);
        // Right edge 96 + 29 x 25, a margin of 12 cw, and one line below the last comment line.
        QCOMPARE(extent, QSize(96 + 725 + 96, 664 + 20 + 20));
    }

    void deviceStateGivenBack()
    {
        auto doc = Study();
        RecordingDevice dc(UnitsChoice(20, 7));
        const FontSpec before{QStringLiteral("Courier"), 9, 400};
        dc.SelectFont(before);
        DrawBiorythmePage(dc, *doc, 17, false);
        QCOMPARE(dc.state().font, before);
        QCOMPARE(dc.state().pen, PenSpec{});
    }
};

QTEST_MAIN(BiorythmePageTest)
#include "biorythme_page_test.moc"
