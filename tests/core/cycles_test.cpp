#include "common/exact.h"
#include "core/cycles.h"

#include <QTest>
#include <cmath>

class CyclesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void values_data();
    void values();
    void exactValues_data();
    void exactValues();
    void seriesFollowDaysLived();
    void average();
    void exactAverage_data();
    void exactAverage();
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

// The sine's argument is 2n x pi, then divided by the period, each step rounded. On these days
// 2n x (pi / T) rounds to a neighbouring double and the value comes out different.
void CyclesTest::exactValues_data()
{
    QTest::addColumn<double>("period");
    QTest::addColumn<int>("days");
    QTest::addColumn<double>("argument");

    QTest::newRow("33 days, day 5") << kIntellectualPeriod << 5 << 0x1.e76c4090cd1dp-1;
    QTest::newRow("28 days, day 11") << kSentimentalPeriod << 11 << 0x1.3bf457910fedbp+1;
    QTest::newRow("23 days, day 10") << kPhysicalPeriod << 10 << 0x1.5dac4494669ffp+1;
    QTest::newRow("23 days, day -13") << kPhysicalPeriod << -13 << -0x1.c69325f41f032p+1;
}

void CyclesTest::exactValues()
{
    QFETCH(double, period);
    QFETCH(int, days);
    QFETCH(double, argument);
    QCOMPARE(Exact(CycleValue(period, days)), Exact(-5.0 * std::sin(argument)));
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

// Sentimental, intellectual and physical values of real days, added in that order: on these days
// adding them in another order rounds the other way.
void CyclesTest::exactAverage_data()
{
    QTest::addColumn<double>("sentimental");
    QTest::addColumn<double>("intellectual");
    QTest::addColumn<double>("physical");
    QTest::addColumn<double>("average");

    QTest::newRow("days lived 3") << -0x1.8f0891b2ee945p+1 << -0x1.5a02976ea2e0ep+1
                                  << -0x1.d3bc2a1549b4fp+1 << -0x1.94427112490e1p+1;
    QTest::newRow("days lived 46") << 0x1.f45f4524755dbp+1 << -0x1.8b9f2b15dd734p+1
                                   << 0x1.60fafbfd97309p-49 << 0x1.17559ad1951ccp-2;
}

void CyclesTest::exactAverage()
{
    QFETCH(double, sentimental);
    QFETCH(double, intellectual);
    QFETCH(double, physical);
    QFETCH(double, average);
    const int day = 17;
    CycleSeries i{}, s{}, p{};
    i[day] = intellectual;
    s[day] = sentimental;
    p[day] = physical;
    QCOMPARE(Exact(CycleAverage(i, s, p, day)), Exact(average));
}

QTEST_MAIN(CyclesTest)
#include "cycles_test.moc"
