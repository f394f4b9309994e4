#include "charts/year_view.h"
#include "people/names_list.h"
#include "studies/best_days.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>

// A year window opened and shown, as Affichage > Année does it, and a search of the best days
// over 366 days, both on the example studies; beside a baseline measured in the same run: an
// empty window of the same size made and shown, and 366 x 3 sines added up. A year that opens
// and a search that answers within a tenth of a second show no pause.
class YearBench : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void yearWindow_data();
    void yearWindow();
    void bestDays_data();
    void bestDays();
    void baselineWindow();
    void baselineSines();

private:
    CDocument &Study(const QString &name);

    NamesList m_names;
    std::unique_ptr<COndarisDoc> m_bio;
    std::unique_ptr<COndarisDoc2> m_compat;
    double m_sink = 0; // keeps the baseline's sines from being optimised away
};

void YearBench::initTestCase()
{
    m_bio = std::make_unique<COndarisDoc>(m_names);
    m_compat = std::make_unique<COndarisDoc2>(m_names);
    QCOMPARE(m_bio->ReadFile(QFINDTESTDATA("../examples/exemple.bio")), QString());
    QCOMPARE(m_compat->ReadFile(QFINDTESTDATA("../examples/exemple.bi2")), QString());
}

CDocument &YearBench::Study(const QString &name)
{
    if (name.endsWith(QLatin1String(".bio")))
        return *m_bio;
    return *m_compat;
}

void YearBench::yearWindow_data()
{
    QTest::addColumn<QString>("study");
    QTest::newRow("Biorythme") << QStringLiteral("exemple.bio");
    QTest::newRow("Compatibilité") << QStringLiteral("exemple.bi2");
}

void YearBench::yearWindow()
{
    QFETCH(QString, study);
    CDocument &document = Study(study);
    QBENCHMARK
    {
        std::unique_ptr<YearView> view(CreateYearViewFor(&document));
        view->OnInitialUpdate();
        view->resize(1100, 700);
        view->show();
        // The first paint and what a screen reader asks first, the table of the year.
        QImage image(view->size(), QImage::Format_RGB32);
        view->render(&image);
        QCOMPARE(view->Reading().rows.size(), 12);
    }
}

void YearBench::bestDays_data()
{
    QTest::addColumn<QString>("study");
    QTest::addColumn<bool>("average");
    for (const char *study : {"exemple.bio", "exemple.bi2"}) {
        QTest::addRow("%s, the three cycles", study) << QString::fromLatin1(study) << false;
        QTest::addRow("%s, the average, critical days kept", study)
            << QString::fromLatin1(study) << true;
    }
}

void YearBench::bestDays()
{
    QFETCH(QString, study);
    QFETCH(bool, average);
    const StudyDays days = *StudyDays::Of(Study(study));
    BestDaysQuery query;
    query.from = days.Date(0);
    query.span = BestDaysQuery::kMaxSpan;
    query.average = average;
    query.skipCritical = !average;
    QBENCHMARK
    {
        QVERIFY(!BestDays(days, query).isEmpty());
    }
}

void YearBench::baselineWindow()
{
    QBENCHMARK
    {
        QWidget window;
        window.resize(1100, 700);
        window.show();
        QImage image(window.size(), QImage::Format_RGB32);
        window.render(&image);
    }
}

void YearBench::baselineSines()
{
    QBENCHMARK
    {
        double total = 0;
        for (int day = 0; day < 366 * 3; ++day)
            total += std::sin(day * 0.1);
        m_sink = total;
    }
}

// Medians of 9 runs, as the rest of the bench reports.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    YearBench bench;
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.contains(QStringLiteral("-median")))
        arguments << QStringLiteral("-median") << QStringLiteral("9");
    return QTest::qExec(&bench, arguments);
}

#include "year_bench.moc"
