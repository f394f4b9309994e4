#include "charts/affinite_page.h"
#include "charts/biorythme_page.h"
#include "charts/compatibilite_page.h"
#include "charts/page_frame.h"
#include "framework/painter_device.h"
#include "people/names_list.h"
#include "studies/affinite_doc.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

// Each page drawn onto a 1000 by 2200 image, as the screen draws it, beside a baseline measured
// in the same run: about as many texts and lines drawn straight with QPainter.
class PagesBench : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void biorythme();
    void compatibilite();
    void affinite();
    void baseline();

private:
    template <typename Draw> void Measure(Draw draw);

    NamesList m_names;
    std::unique_ptr<COndarisDoc> m_bio;
    std::unique_ptr<COndarisDoc2> m_compat;
    std::unique_ptr<COndarisDoc3> m_aff;
    QImage m_image{1000, 2200, QImage::Format_RGB32};
};

void PagesBench::initTestCase()
{
    m_bio = std::make_unique<COndarisDoc>(m_names);
    m_compat = std::make_unique<COndarisDoc2>(m_names);
    m_aff = std::make_unique<COndarisDoc3>(m_names);
    QCOMPARE(m_bio->ReadFile(QFINDTESTDATA("../examples/exemple.bio")), QString());
    QCOMPARE(m_compat->ReadFile(QFINDTESTDATA("../examples/exemple.bi2")), QString());
    QCOMPARE(m_aff->ReadFile(QFINDTESTDATA("../examples/exemple.aff")), QString());
}

template <typename Draw> void PagesBench::Measure(Draw draw)
{
    QBENCHMARK
    {
        m_image.fill(Qt::white);
        QPainter painter(&m_image);
        PainterDevice dc(painter, false);
        draw(dc, PageFontHeight(dc));
    }
}

void PagesBench::biorythme()
{
    Measure([this](DrawDevice &dc, int h) { DrawBiorythmePage(dc, *m_bio, h, false); });
}

void PagesBench::compatibilite()
{
    Measure([this](DrawDevice &dc, int h) { DrawCompatibilitePage(dc, *m_compat, h, false); });
}

void PagesBench::affinite()
{
    Measure(
        [this](DrawDevice &dc, int h) { DrawAffinitePage(dc, *m_aff, h, kScreenBarCorrection); });
}

void PagesBench::baseline()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    QBENCHMARK
    {
        m_image.fill(Qt::white);
        QPainter painter(&m_image);
        painter.setFont(font);
        for (int i = 0; i < 70; ++i)
            painter.drawText(100 + 10 * i, 300 + i, QStringLiteral("Ondaris"));
        for (int i = 0; i < 35; ++i)
            painter.drawLine(100 + 20 * i, 320, 100 + 20 * i, 520);
        QPolygon curve;
        for (int k = 0; k < 30; ++k)
            curve << QPoint(100 + 22 * k, 420 + (k % 7) * 10);
        for (int i = 0; i < 3; ++i)
            painter.drawPolyline(curve);
    }
}

// Medians of 9 runs, as the rest of the bench reports.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    PagesBench bench;
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.contains(QStringLiteral("-median")))
        arguments << QStringLiteral("-median") << QStringLiteral("9");
    return QTest::qExec(&bench, arguments);
}

#include "pages_bench.moc"
