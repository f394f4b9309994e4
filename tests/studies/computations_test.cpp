#include "common/exact.h"
#include "core/cycles.h"
#include "studies/affinite_doc.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"
#include "study_bytes.h"

#include <QTest>

using namespace study_bytes;

namespace {

const COleDateTime kBirth(1970, 3, 15);

// The number of days between the two birth dates.
COleDateTime DaysAfter(const COleDateTime &date, int days)
{
    return COleDateTime(date.m_dt + days);
}

} // namespace

class ComputationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void affinityScores_data();
    void affinityScores();
    void biorythmeCurves_data();
    void biorythmeCurves();
    void meanCurves_data();
    void meanCurves();
};

void ComputationsTest::affinityScores_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("texts");
    QTest::newRow("d = 0") << 0 << QStringLiteral("100 100 100 100");
    QTest::newRow("d = 1") << 1 << QStringLiteral("93 92 91 92");
    QTest::newRow("d = 33") << 33 << QStringLiteral("99 66 37 67");
}

void ComputationsTest::affinityScores()
{
    QFETCH(int, days);
    QFETCH(QString, texts);
    const COleDateTime other = DaysAfter(kBirth, days);
    NamesList names;
    COndarisDoc3 doc(names);
    QCOMPARE(Read(doc, File(2, "", "A", "B", {Date(kBirth), Date(other)})), QString());
    QCOMPARE(
        (QStringList{doc.textIntellectual, doc.textSentimental, doc.textPhysical, doc.textAverage}),
        texts.split(QLatin1Char(' ')));
    for (double score : {doc.scoreIntellectual, doc.scoreSentimental, doc.scorePhysical})
        QVERIFY(score >= 0.0 && score <= 100.0);
    if (days == 0)
        QCOMPARE(doc.scoreIntellectual, 100.0);
    if (days == 1) {
        QVERIFY(qAbs(doc.scoreIntellectual - 93.93) < 0.01);
        QVERIFY(qAbs(doc.scoreAverage - 92.72) < 0.01);
    }
    if (days == 33)
        QVERIFY(doc.scoreIntellectual < 100.0);

    COndarisDoc3 swapped(names);
    QCOMPARE(Read(swapped, File(2, "", "B", "A", {Date(other), Date(kBirth)})), QString());
    QCOMPARE(swapped.scoreIntellectual, doc.scoreIntellectual);
    QCOMPARE(swapped.scoreSentimental, doc.scoreSentimental);
    QCOMPARE(swapped.scorePhysical, doc.scorePhysical);
    QCOMPARE(swapped.scoreAverage, doc.scoreAverage);
}

void ComputationsTest::biorythmeCurves_data()
{
    QTest::addColumn<int>("startDays");
    QTest::addColumn<QList<double>>("firstDay"); // intellectual, sentimental, physical, roughly
    QTest::newRow("start 11 days after the birth") << 11 << QList<double>{-4.330, -3.117, -0.681};
    QTest::newRow("start 7 days before the birth") << -7 << QList<double>{4.859, 5.0, 4.711};
}

// The person's own cycles, the high half below zero: the age counts from the birth to the start.
void ComputationsTest::biorythmeCurves()
{
    QFETCH(int, startDays);
    QFETCH(QList<double>, firstDay);
    NamesList names;
    COndarisDoc doc(names);
    QCOMPARE(Read(doc, File(0, "", "A", "", {Date(kBirth), Date(DaysAfter(kBirth, startDays))})),
             QString());
    QCOMPARE(doc.startDay - doc.birthDay, startDays);
    const QList<const CycleSeries *> curves{&doc.curveIntellectual, &doc.curveSentimental,
                                            &doc.curvePhysical};
    const QList<double> periods{33, 28, 23};
    for (int cycle = 0; cycle < 3; ++cycle) {
        const CycleSeries &curve = *curves[cycle];
        QVERIFY2(qAbs(curve[0] - firstDay[cycle]) < 0.001, qPrintable(QString::number(curve[0])));
        for (int k = 0; k < kSeriesLength; ++k)
            QCOMPARE(Exact(curve[k]), Exact(CycleValue(periods[cycle], startDays + k)));
    }
}

void ComputationsTest::meanCurves_data()
{
    QTest::addColumn<int>("days2");
    QTest::addColumn<int>("startDays");
    QTest::newRow("same birth date") << 0 << 5000;
    QTest::newRow("second born after the start") << 9000 << 5000;
    QTest::newRow("start before both births") << 10 << -300;
}

void ComputationsTest::meanCurves()
{
    QFETCH(int, days2);
    QFETCH(int, startDays);
    NamesList names;
    COndarisDoc2 doc(names);
    QCOMPARE(Read(doc, File(1, "", "A", "B",
                            {Date(kBirth), Date(DaysAfter(kBirth, days2)),
                             Date(DaysAfter(kBirth, startDays))})),
             QString());
    QCOMPARE(doc.startDay - doc.birthDay1, startDays);
    QCOMPARE(doc.startDay - doc.birthDay2, startDays - days2);
    for (int k = 0; k < kSeriesLength; ++k) {
        const int d1 = startDays + k;
        const int d2 = startDays - days2 + k;
        QCOMPARE(doc.curveIntellectual[k], 0.5 * (CycleValue(33, d1) + CycleValue(33, d2)));
        QCOMPARE(doc.curveSentimental[k], 0.5 * (CycleValue(28, d1) + CycleValue(28, d2)));
        QCOMPARE(doc.curvePhysical[k], 0.5 * (CycleValue(23, d1) + CycleValue(23, d2)));
        if (days2 == 0)
            QCOMPARE(doc.curvePhysical[k], CycleValue(23, d1));
    }
}

QTEST_MAIN(ComputationsTest)
#include "computations_test.moc"
