#include "core/cycles.h"

#include <QTest>

class CyclesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void values_data();
    void values();
    void seriesFollowDaysLived();
    void average();
};

void CyclesTest::values_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<double>("intellectual");
    QTest::addColumn<double>("sentimental");
    QTest::addColumn<double>("physical");

    QTest::newRow("birth") << 0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("day 1") << 1 << -0.946 << -1.113 << -1.349;
    QTest::newRow("day 7") << 7 << -4.859 << -5.0 << -4.711;
    QTest::newRow("day 11") << 11 << -4.330 << -3.117 << -0.681;
    QTest::newRow("day 21") << 21 << 3.779 << 5.0 << 2.598;
    QTest::newRow("day -7 mirrors day 7") << -7 << 4.859 << 5.0 << 4.711;
    QTest::newRow("day -1 mirrors day 1") << -1 << 0.946 << 1.113 << 1.349;
    QTest::newRow("all three at zero again") << 23 * 28 * 33 << 0.0 << 0.0 << 0.0;
}

void CyclesTest::values()
{
    QFETCH(int, days);
    QFETCH(double, intellectual);
    QFETCH(double, sentimental);
    QFETCH(double, physical);

    const double tolerance = 5e-4;
    QVERIFY(std::abs(CycleValue(kIntellectualPeriod, days) - intellectual) < tolerance);
    QVERIFY(std::abs(CycleValue(kSentimentalPeriod, days) - sentimental) < tolerance);
    QVERIFY(std::abs(CycleValue(kPhysicalPeriod, days) - physical) < tolerance);
}

void CyclesTest::seriesFollowDaysLived()
{
    CycleSeries intellectual{}, sentimental{}, physical{};
    FillCycleSeries(-3, intellectual, sentimental, physical);
    for (int i = 0; i < kSeriesLength; ++i) {
        QCOMPARE(intellectual[i], CycleValue(33.0, i - 3));
        QCOMPARE(sentimental[i], CycleValue(28.0, i - 3));
        QCOMPARE(physical[i], CycleValue(23.0, i - 3));
    }
    QCOMPARE(sentimental[10], -5.0); // day 7 of life
}

void CyclesTest::average()
{
    CycleSeries intellectual{}, sentimental{}, physical{};
    FillCycleSeries(0, intellectual, sentimental, physical);
    QCOMPARE(CycleAverage(intellectual, sentimental, physical, 0), 0.0);
    QVERIFY(std::abs(CycleAverage(intellectual, sentimental, physical, 1) - -3.408 / 3) < 1e-3);
    for (int i = 0; i < kSeriesLength; ++i)
        QVERIFY(std::abs(CycleAverage(intellectual, sentimental, physical, i)) <= 5.0);
}

QTEST_MAIN(CyclesTest)
#include "cycles_test.moc"
