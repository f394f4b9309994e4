#include "framework/painter_device.h"
#include "framework/recording_device.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

namespace {

const FontSpec kArialBold(int height)
{
    return FontSpec{QStringLiteral("Arial"), height, 700, FontSpec::Swiss};
}

const FontSpec kTimes(int height)
{
    return FontSpec{QStringLiteral("Times New Roman"), height, 400, FontSpec::Roman};
}

QImage WhiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

class DrawDeviceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emFromHeight_data()
    {
        QTest::addColumn<FontSpec>("font");
        QTest::addColumn<int>("em");
        QTest::newRow("Arial cell 17") << kArialBold(17) << 15;
        QTest::newRow("Arial cell 15") << kArialBold(15) << 13;
        QTest::newRow("Arial character 83") << kArialBold(-83) << 83;
        QTest::newRow("Times cell 17") << kTimes(17) << 15;
        QTest::newRow("Times cell 15") << kTimes(15) << 14;
    }

    void emFromHeight()
    {
        QFETCH(FontSpec, font);
        QFETCH(int, em);
        QCOMPARE(EmPixels(font), em);
        QCOMPARE(MakeFont(font).pixelSize(), em);
    }

    // The label font's units: L = cell height + internal leading, cw from Arial Bold's own
    // average width, 983 of 2048.
    void labelFontMetrics_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("internalLeading");
        QTest::addColumn<int>("cw");
        QTest::newRow("screen 17") << 17 << 17 << 2 << 7;
        QTest::newRow("screen 15") << 15 << 15 << 2 << 6;
        QTest::newRow("300 dpi") << -42 << 47 << 5 << 20;
        QTest::newRow("600 dpi") << -83 << 93 << 10 << 40;
    }

    void labelFontMetrics()
    {
        QFETCH(int, height);
        QFETCH(int, cell);
        QFETCH(int, internalLeading);
        QFETCH(int, cw);
        QImage image = WhiteImage(10, 10);
        QPainter painter(&image);
        PainterDevice dc(painter, false);
        dc.SelectFont(kArialBold(height));
        const TextMetrics tm = dc.GetTextMetrics();
        QCOMPARE(tm.height, cell);
        QCOMPARE(tm.ascent + tm.descent, cell);
        QCOMPARE(tm.internalLeading, internalLeading);
        QCOMPARE(tm.aveCharWidth, cw);
    }

    // Whole glyph advances add up to the text's width, on an image and in a PDF alike.
    void textWidthIsASumOfWholeAdvances()
    {
        QTemporaryDir dir;
        QPdfWriter pdf(dir.filePath(QStringLiteral("w.pdf")));
        pdf.setResolution(600);
        QImage image = WhiteImage(10, 10);
        const QString text = QStringLiteral("Date de départ : Identification 1 : Moyenne");
        for (QPaintDevice *device :
             {static_cast<QPaintDevice *>(&image), static_cast<QPaintDevice *>(&pdf)}) {
            QPainter painter(device);
            PainterDevice dc(painter, true);
            for (const FontSpec &font : {kArialBold(-83), kTimes(-83), kArialBold(17)}) {
                dc.SelectFont(font);
                int sum = 0;
                for (const QChar c : text)
                    sum += dc.TextWidth(QString(c));
                QCOMPARE(dc.TextWidth(text), sum);
            }
        }
    }

    void deviceFacts()
    {
        QImage image = WhiteImage(1000, 50);
        image.setDotsPerMeterY(11811); // 300 dpi
        QPainter painter(&image);
        PainterDevice onImage(painter, true);
        QVERIFY(onImage.IsPrinting());
        QCOMPARE(onImage.LogPixelsY(), 300);
        QCOMPARE(onImage.HorizontalResolution(), 1000);
        PainterDevice onScreen(painter, false, 1280);
        QVERIFY(!onScreen.IsPrinting());
        QCOMPARE(onScreen.HorizontalResolution(), 1280);
    }

    // A text is placed by its top-left corner on an opaque white background.
    void textTopLeftOnWhite()
    {
        QImage image = WhiteImage(200, 60);
        {
            QPainter painter(&image);
            painter.fillRect(image.rect(), Qt::black);
            PainterDevice dc(painter, false);
            dc.SelectFont(kArialBold(17));
            dc.SetTextColor(QColor(128, 0, 0));
            dc.TextOut(20, 20, QStringLiteral("MAT"));
        }
        int top = -1, left = -1;
        for (int y = 0; y < image.height() && top < 0; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) != Qt::black) {
                    top = y;
                    break;
                }
            }
        }
        for (int x = 0; x < image.width() && left < 0; ++x) {
            for (int y = 0; y < image.height(); ++y) {
                if (image.pixelColor(x, y) != Qt::black) {
                    left = x;
                    break;
                }
            }
        }
        QCOMPARE(top, 20);
        QCOMPARE(left, 20);
        QCOMPARE(image.pixelColor(20, 20), QColor(Qt::white));
        bool red = false;
        for (int y = 20; y < 37 && !red; ++y) {
            for (int x = 20; x < 60 && !red; ++x)
                red = image.pixelColor(x, y).red() > 100 && image.pixelColor(x, y).green() < 60;
        }
        QVERIFY(red);
    }

    void rectangleFrameAndFill()
    {
        QImage image = WhiteImage(40, 40);
        {
            QPainter painter(&image);
            PainterDevice dc(painter, false);
            dc.SelectBrush(QColor(0, 0, 200));
            dc.Rectangle(10, 10, 20, 30);
            // Given bottom-up, as the histogram's front faces are.
            dc.SelectBrush(QColor(0, 200, 0));
            dc.Rectangle(25, 30, 35, 10);
        }
        QCOMPARE(image.pixelColor(10, 10), QColor(Qt::black));
        QCOMPARE(image.pixelColor(19, 29), QColor(Qt::black));
        QCOMPARE(image.pixelColor(20, 15), QColor(Qt::white));
        QCOMPARE(image.pixelColor(15, 30), QColor(Qt::white));
        QCOMPARE(image.pixelColor(15, 20), QColor(0, 0, 200));
        QCOMPARE(image.pixelColor(30, 20), QColor(0, 200, 0));
        QCOMPARE(image.pixelColor(25, 10), QColor(Qt::black));
    }

    void polygonFilledWithoutFrame()
    {
        QImage image = WhiteImage(60, 60);
        {
            QPainter painter(&image);
            PainterDevice dc(painter, false);
            // Two overlapping squares in one outline: the alternate rule leaves the overlap.
            dc.FillPolygon({{10, 10},
                            {40, 10},
                            {40, 40},
                            {10, 40},
                            {10, 10},
                            {25, 25},
                            {55, 25},
                            {55, 55},
                            {25, 55},
                            {25, 25}},
                           QColor(210, 210, 210));
        }
        QCOMPARE(image.pixelColor(15, 15), QColor(210, 210, 210));
        QCOMPARE(image.pixelColor(50, 50), QColor(210, 210, 210));
        QCOMPARE(image.pixelColor(32, 32), QColor(Qt::white));
        QCOMPARE(image.pixelColor(10, 20), QColor(210, 210, 210));
    }

    void pens()
    {
        QImage image = WhiteImage(120, 20);
        {
            QPainter painter(&image);
            PainterDevice dc(painter, false);
            dc.SelectPen(PenSpec{PenSpec::Dash, 1, QColor(180, 180, 180)});
            dc.Line(0, 5, 119, 5);
            dc.SelectPen(PenSpec{PenSpec::Solid, 2, QColor(0, 128, 0)});
            dc.Polyline({{0, 14}, {60, 14}, {119, 14}});
        }
        int dashed = 0, gaps = 0;
        for (int x = 0; x < 120; ++x)
            (image.pixelColor(x, 5) == QColor(180, 180, 180) ? dashed : gaps)++;
        QVERIFY(dashed > 60);
        QVERIFY(gaps > 10);
        int thick = 0;
        for (int y = 10; y < 19; ++y)
            thick += image.pixelColor(60, y) == QColor(0, 128, 0);
        QCOMPARE(thick, 2);
    }

    void stateSavedAndRestored()
    {
        RecordingDevice dc(RecordingDevice::FontChoice{});
        dc.SaveState();
        dc.SelectFont(kTimes(15));
        dc.SelectPen(PenSpec{PenSpec::Dash, 1, Qt::red});
        dc.SelectBrush(Qt::blue);
        dc.SetTextColor(Qt::green);
        dc.RestoreState();
        QCOMPARE(dc.state().font, FontSpec{});
        QCOMPARE(dc.state().pen, PenSpec{});
        QCOMPARE(dc.state().brush, QColor(255, 255, 255));
        QCOMPARE(dc.state().textColor, QColor(0, 0, 0));
    }

    // What shows of a page: the device's surface, through the painter's offset (a view scrolled
    // 500 down shows 500 to 599 of a 100 high viewport), narrowed by a clip.
    void rectVisible_data()
    {
        QTest::addColumn<bool>("clipped");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<bool>("visible");
        QTest::newRow("above") << false << QRect(10, 480, 50, 20) << false;
        QTest::newRow("overlapping the top") << false << QRect(10, 490, 50, 20) << true;
        QTest::newRow("inside") << false << QRect(10, 550, 50, 20) << true;
        QTest::newRow("below") << false << QRect(10, 600, 50, 20) << false;
        QTest::newRow("right of the surface") << false << QRect(100, 550, 50, 20) << false;
        QTest::newRow("outside the clip") << true << QRect(10, 550, 50, 20) << false;
        QTest::newRow("inside the clip") << true << QRect(10, 580, 50, 20) << true;
    }

    void rectVisible()
    {
        QFETCH(bool, clipped);
        QFETCH(QRect, rect);
        QFETCH(bool, visible);
        QImage image = WhiteImage(100, 100);
        QPainter painter(&image);
        painter.translate(0, -500);
        if (clipped)
            painter.setClipRect(0, 575, 100, 25);
        PainterDevice dc(painter, false);
        QCOMPARE(dc.RectVisible(rect), visible);
    }

    void painterGivenBack()
    {
        QImage image = WhiteImage(10, 10);
        QPainter painter(&image);
        painter.setPen(Qt::red);
        {
            PainterDevice dc(painter, false);
            dc.Line(0, 0, 5, 5);
        }
        QCOMPARE(painter.pen().color(), QColor(Qt::red));
        QCOMPARE(painter.backgroundMode(), Qt::TransparentMode);
    }
};

QTEST_MAIN(DrawDeviceTest)
#include "draw_device_test.moc"
