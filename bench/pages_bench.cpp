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
// The comment's cost: a page with one line of 100,000 characters (text pasted without line
// breaks) against the same page with the example's short comment, drawn as a 1000 by 750 window
// repaints it at the page's top and at its end, and the first drawing of a comment, as the
// window's opening or an export pays it.
class PagesBench : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void biorythme();
    void compatibilite();
    void affinite();
    void comment_data();
    void comment();
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

namespace {

QString LongComment()
{
    const QString words = QStringLiteral("Une ligne collée sans retour, longue de cent mille "
                                         "caractères, que la page coupe aux mots. ");
    return words.repeated(100'000 / words.size() + 1).left(100'000);
}

} // namespace

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

void PagesBench::comment_data()
{
    QTest::addColumn<QString>("study");
    QTest::addColumn<bool>("longComment");
    QTest::addColumn<QString>("drawing");
    for (const char *study : {"exemple.bio", "exemple.aff"}) {
        for (const char *drawing : {"window at the top", "window at the end", "first drawing"}) {
            for (const bool longComment : {false, true}) {
                QTest::addRow("%s, %s, %s", study, longComment ? "100000 characters" : "short",
                              drawing)
                    << QString::fromLatin1(study) << longComment << QString::fromLatin1(drawing);
            }
        }
    }
}

void PagesBench::comment()
{
    QFETCH(QString, study);
    QFETCH(bool, longComment);
    QFETCH(QString, drawing);
    const QString path = QFINDTESTDATA(QStringLiteral("../examples/") + study);
    COndarisDoc biorythme(m_names);
    COndarisDoc3 affinite(m_names);
    const bool isBiorythme = study.endsWith(QLatin1String(".bio"));
    QString &comment = isBiorythme ? biorythme.comment : affinite.comment;
    QCOMPARE(isBiorythme ? biorythme.ReadFile(path) : affinite.ReadFile(path), QString());
    if (longComment)
        comment = LongComment();
    const QString written = comment;
    const auto draw = [&](QImage &image, int scroll) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(0, -scroll);
        PainterDevice dc(painter, false, 1000);
        const int h = PageFontHeight(dc);
        return isBiorythme ? DrawBiorythmePage(dc, biorythme, h, false)
                           : DrawAffinitePage(dc, affinite, h, kScreenBarCorrection);
    };

    if (drawing == QLatin1String("first drawing")) {
        // A comment that no drawing has met yet at each round.
        int round = 0;
        QBENCHMARK
        {
            comment = written + QString::number(++round);
            draw(m_image, 0);
        }
        return;
    }
    QImage window(1000, 750, QImage::Format_RGB32);
    const int end = std::max(0, draw(window, 0).height() - window.height());
    const int scroll = drawing == QLatin1String("window at the end") ? end : 0;
    QBENCHMARK
    {
        draw(window, scroll);
    }
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
