#include "charts/comment_block.h"
#include "charts/curve_chart.h"
#include "charts/page_frame.h"
#include "recorder.h"

#include <QTest>

class PageFrameTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fontHeightRule_data()
    {
        QTest::addColumn<bool>("printing");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("fontHeight");
        QTest::newRow("wide screen") << false << 96 << 1280 << 17;
        QTest::newRow("screen of 801") << false << 96 << 801 << 17;
        QTest::newRow("screen of 800") << false << 96 << 800 << 15;
        QTest::newRow("600 dpi") << true << 600 << 4960 << -83;
        QTest::newRow("300 dpi") << true << 300 << 2480 << -42;
        QTest::newRow("1200 dpi") << true << 1200 << 9920 << -167;
    }

    void fontHeightRule()
    {
        QFETCH(bool, printing);
        QFETCH(int, dpi);
        QFETCH(int, screenWidth);
        QFETCH(int, fontHeight);
        QCOMPARE(PageFontHeight(printing, dpi, screenWidth), fontHeight);
        RecordingDevice dc(UnitsChoice(20, 7), printing, dpi, screenWidth);
        QCOMPARE(PageFontHeight(dc), fontHeight);
    }

    void curveFrame_data()
    {
        QTest::addColumn<int>("cw");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("width");
        QTest::newRow("cw 7") << 7 << 84 << 638;
        QTest::newRow("cw 29") << 29 << 348 << 94 * 29;
        QTest::newRow("cw 40") << 40 << 480 << 129 * 29;
    }

    void curveFrame()
    {
        QFETCH(int, cw);
        QFETCH(int, left);
        QFETCH(int, width);
        const PageFrame frame = CurvePageFrame(PageUnits{20, cw, 17}, 17);
        QCOMPARE(frame.left, left);
        QCOMPARE(frame.right - frame.left, width);
        QCOMPARE((frame.right - frame.left) % 29, 0);
        QCOMPARE(frame.labelX, left + cw);
    }

    void unitsFromTheLabelFont()
    {
        RecordingDevice dc(UnitsChoice(20, 7));
        dc.SetFaceMetrics(QStringLiteral("Times New Roman"), UnitsChoice(30, 9));
        dc.SelectFont(TextFont(-83));
        const PageUnits units = ReadPageUnits(dc, -83);
        QCOMPARE(units.L, 20);
        QCOMPARE(units.cw, 7);
        QCOMPARE(units.a, 83);
        QCOMPARE(dc.state().font, LabelFont(-83));
    }

    void curveOffsetTruncates_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("offset");
        QTest::newRow("-4.99 at 15") << 15 << -4.99 << -74;
        QTest::newRow("4.99 at 15") << 15 << 4.99 << 74;
        QTest::newRow("-5 at 17") << 17 << -5.0 << -85;
        QTest::newRow("not a number") << 17 << qQNaN() << 0;
    }

    void curveOffsetTruncates()
    {
        QFETCH(int, a);
        QFETCH(double, value);
        QFETCH(int, offset);
        QCOMPARE(CurveOffset(a, value), offset);
    }

    void commentLines_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("one line") << QStringLiteral("abc") << QStringList{QStringLiteral("abc")};
        QTest::newRow("three CR LF lines")
            << QStringLiteral("un\r\ndeux\r\ntrois")
            << QStringList{QStringLiteral("un"), QStringLiteral("deux"), QStringLiteral("trois")};
        QTest::newRow("empty line kept")
            << QStringLiteral("a\r\n\r\nb")
            << QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")};
        QTest::newRow("ends with CR LF")
            << QStringLiteral("a\r\n") << QStringList{QStringLiteral("a"), QString()};
        QTest::newRow("lone line feeds")
            << QStringLiteral("un\ndeux\ntrois")
            << QStringList{QStringLiteral("un"), QStringLiteral("deux"), QStringLiteral("trois")};
        QTest::newRow("lone carriage return")
            << QStringLiteral("un\rdeux")
            << QStringList{QStringLiteral("un"), QStringLiteral("deux")};
        QTest::newRow("LF then CR is two breaks")
            << QStringLiteral("a\n\rb")
            << QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")};
    }

    void commentLines()
    {
        QFETCH(QString, comment);
        QFETCH(QStringList, lines);
        QCOMPARE(CommentLines(comment), lines);
    }

    void wrapping_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("pieces");
        // Every character is 10 wide.
        QTest::newRow("fits") << QStringLiteral("abc def") << 70
                              << QStringList{QStringLiteral("abc def")};
        QTest::newRow("at a space")
            << QStringLiteral("abc def ghi") << 80
            << QStringList{QStringLiteral("abc def"), QStringLiteral("ghi")};
        QTest::newRow("space just past the edge")
            << QStringLiteral("abc def") << 30
            << QStringList{QStringLiteral("abc"), QStringLiteral("def")};
        QTest::newRow("several spaces dropped")
            << QStringLiteral("abc   def") << 50
            << QStringList{QStringLiteral("abc"), QStringLiteral("def")};
        QTest::newRow("word longer than the width")
            << QStringLiteral("abcdefgh ij") << 30
            << QStringList{QStringLiteral("abc"), QStringLiteral("def"), QStringLiteral("gh"),
                           QStringLiteral("ij")};
        QTest::newRow("empty line") << QString() << 30 << QStringList{QString()};
    }

    void wrapping()
    {
        QFETCH(QString, line);
        QFETCH(int, width);
        QFETCH(QStringList, pieces);
        RecordingDevice dc(UnitsChoice(20, 10));
        const QStringList wrapped = WrapLine(dc, line, width);
        QCOMPARE(wrapped, pieces);
        for (const QString &piece : wrapped)
            QVERIFY(dc.TextWidth(piece) <= width);
    }

    void commentBlockWrapsAtTheRightEdge()
    {
        RecordingDevice dc(UnitsChoice(20, 10));
        PageFrame frame;
        frame.units = PageUnits{20, 10, 17};
        frame.fontHeight = 17;
        frame.left = 120;
        frame.right = 300;
        const int end = DrawCommentBlock(dc, frame, 130, 140, 500,
                                         QStringLiteral("un deux trois quatre cinq\nsix"));
        // 160 pixels from 140 to the edge: 16 characters a line.
        QCOMPARE(dc.texts(),
                 (QStringList{QStringLiteral("Commentaires :"), QStringLiteral("un deux trois"),
                              QStringLiteral("quatre cinq"), QStringLiteral("six")}));
        QCOMPARE(TextAt(dc, QStringLiteral("quatre cinq")), QPoint(140, 540));
        QCOMPARE(TextAt(dc, QStringLiteral("six")), QPoint(140, 560));
        QCOMPARE(end, 580);
    }
};

QTEST_MAIN(PageFrameTest)
#include "page_frame_test.moc"
