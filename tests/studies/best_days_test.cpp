#include "common/exact.h"
#include "core/calendar.h"
#include "studies/best_days.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"
#include "studies/study_csv.h"
#include "study_bytes.h"

#include <QTest>
#include <algorithm>
#include <cmath>

using namespace study_bytes;

namespace {

const Cycles kAll = Cycle::Intellectuel | Cycle::Sentimental | Cycle::Physique;

// Days lived on a date, from the dates alone: no day of these studies is before 1900.
int Lived(const QDate &date, const QDate &birth)
{
    return DayNumber(date.year(), date.month(), date.day()) -
           DayNumber(birth.year(), birth.month(), birth.day());
}

double Value(double period, int lived)
{
    return -5.0 * std::sin((2.0 * lived * kPi) / period);
}

// "2027-03-16 <mean>" a day in rank order, the way the test works it out from the birth dates.
QStringList Expected(const QList<QDate> &births, const BestDaysQuery &query)
{
    struct Day
    {
        QDate date;
        double mean;
    };
    QList<Day> days;
    for (int i = 0; i < query.span; ++i) {
        const QDate date = query.from.addDays(i);
        double values[3] = {}; // sentimental, intellectual, physical
        bool critical = false;
        for (const QDate &birth : births) {
            const int lived = Lived(date, birth);
            values[0] += Value(28, lived) / births.size();
            values[1] += Value(33, lived) / births.size();
            values[2] += Value(23, lived) / births.size();
            critical = critical || (CriticalCycles(lived) & query.CriticalCycles());
        }
        QList<double> counted;
        if (query.average) {
            counted = {(values[0] + values[1] + values[2]) / 3};
        } else {
            const Cycle order[3] = {Cycle::Sentimental, Cycle::Intellectuel, Cycle::Physique};
            for (int c = 0; c < 3; ++c) {
                if (query.cycles & order[c])
                    counted.append(values[c]);
            }
        }
        const bool above = std::all_of(counted.begin(), counted.end(),
                                       [&](double v) { return -v > query.threshold; });
        if (!above || (critical && query.skipCritical))
            continue;
        double sum = 0;
        for (double v : counted)
            sum += v;
        days.append({date, sum / counted.size()});
    }
    std::stable_sort(days.begin(), days.end(),
                     [](const Day &a, const Day &b) { return a.mean < b.mean; });
    QStringList written;
    for (const Day &day : days)
        written << day.date.toString(Qt::ISODate) + u' ' + QString::fromLatin1(Exact(day.mean));
    return written;
}

QStringList Written(const QList<BestDay> &days)
{
    QStringList written;
    for (const BestDay &day : days)
        written << day.date.toString(Qt::ISODate) + u' ' + QString::fromLatin1(Exact(day.mean));
    return written;
}

} // namespace

class BestDaysTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void againstTheDates_data();
    void againstTheDates();
    void threeCyclesMeanIsTheAverage();
    void valuesAreTheStudysDays();
    void csvInRankOrder();
};

void BestDaysTest::againstTheDates_data()
{
    QTest::addColumn<QList<QDate>>("births");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("span");
    QTest::addColumn<int>("cycles");
    QTest::addColumn<bool>("average");
    QTest::addColumn<double>("threshold");
    QTest::addColumn<bool>("skipCritical");

    const QList<QDate> one{QDate(1970, 3, 15)};
    const QList<QDate> two{QDate(1970, 3, 15), QDate(1982, 11, 2)};
    const QDate start(2026, 12, 11);
    const int all = int(kAll);
    QTest::newRow("the defaults") << one << start << start << 90 << all << false << 0.0 << true;
    QTest::newRow("intellectual alone")
        << one << start << start << 90 << int(Cycle::Intellectuel) << false << 0.0 << true;
    QTest::newRow("sentimental and physical, critical days kept")
        << one << start << start << 120 << int(Cycle::Sentimental | Cycle::Physique) << false << 0.0
        << false;
    QTest::newRow("the average") << one << start << start << 90 << all << true << 0.0 << true;
    QTest::newRow("a threshold of 2,5")
        << one << start << start << 366 << int(Cycle::Physique) << false << 2.5 << true;
    QTest::newRow("a threshold below the midline")
        << one << start << start << 60 << all << false << -1.0 << false;
    QTest::newRow("before the start date, over a leap year")
        << one << start << QDate(2023, 6, 1) << 366 << all << false << 0.0 << true;
    QTest::newRow("Compatibilité")
        << two << start << QDate(2027, 2, 1) << 90 << all << false << 0.0 << true;
    QTest::newRow("Compatibilité, the average, critical days kept")
        << two << start << start << 200 << all << true << 0.5 << false;
    QTest::newRow("Compatibilité, one day") << two << start << QDate(2027, 1, 9) << 1
                                            << int(Cycle::Sentimental) << false << 0.0 << true;
}

void BestDaysTest::againstTheDates()
{
    QFETCH(QList<QDate>, births);
    QFETCH(QDate, start);
    QFETCH(QDate, from);
    QFETCH(int, span);
    QFETCH(int, cycles);
    QFETCH(bool, average);
    QFETCH(double, threshold);
    QFETCH(bool, skipCritical);

    NamesList names;
    const std::unique_ptr<CDocument> study = DayStudy(names, births, start);
    QVERIFY(study);

    BestDaysQuery query;
    query.from = from;
    query.span = span;
    query.cycles = Cycles::fromInt(cycles);
    query.average = average;
    query.threshold = threshold;
    query.skipCritical = skipCritical;
    const QList<BestDay> best = BestDays(*StudyDays::Of(*study), query);
    const QStringList expected = Expected(births, query);
    QVERIFY(!expected.isEmpty() || span == 1);
    QCOMPARE(Written(best), expected);
}

// With the three cycles counted, the ranking is by the "Moyenne" curve itself.
void BestDaysTest::threeCyclesMeanIsTheAverage()
{
    NamesList names;
    const std::unique_ptr<CDocument> study =
        DayStudy(names, {QDate(1970, 3, 15), QDate(1982, 11, 2)}, QDate(2026, 12, 11));
    QVERIFY(study);
    BestDaysQuery query;
    query.from = QDate(2026, 12, 11);
    query.skipCritical = false;
    const QList<BestDay> best = BestDays(*StudyDays::Of(*study), query);
    QVERIFY(!best.isEmpty());
    for (const BestDay &day : best)
        QCOMPARE(Exact(day.mean), Exact(day.values.average));
}

// The values of a day on the study's page are the curves' own doubles.
void BestDaysTest::valuesAreTheStudysDays()
{
    NamesList names;
    COndarisDoc doc(names);
    QCOMPARE(Read(doc, File(0, "", "A", "",
                            {Date(COleDateTime(1970, 3, 15)), Date(COleDateTime(2026, 12, 11))})),
             QString());
    BestDaysQuery query;
    query.from = QDate(2026, 12, 11);
    query.span = 29;
    query.skipCritical = false;
    query.threshold = -6; // every day
    const QList<BestDay> best = BestDays(*StudyDays::Of(doc), query);
    QCOMPARE(best.size(), 29);
    for (const BestDay &day : best) {
        QCOMPARE(Exact(day.values.intellectual), Exact(doc.curveIntellectual[day.day]));
        QCOMPARE(Exact(day.values.sentimental), Exact(doc.curveSentimental[day.day]));
        QCOMPARE(Exact(day.values.physical), Exact(doc.curvePhysical[day.day]));
    }
}

// A row a day in rank order, read back to the same doubles.
void BestDaysTest::csvInRankOrder()
{
    NamesList names;
    const std::unique_ptr<CDocument> study =
        DayStudy(names, {QDate(1970, 3, 15)}, QDate(2026, 12, 11));
    QVERIFY(study);
    BestDaysQuery query;
    query.from = QDate(2026, 12, 11);
    const QList<BestDay> best = BestDays(*StudyDays::Of(*study), query);
    QVERIFY(best.size() > 1);
    const QByteArray csv = BestDaysCsv(best);
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"
                           "Rang;Date;Jour;Intellectuel;Sentimental;Physique;Moyenne comptée\r\n"));
    const QList<QByteArray> lines = csv.mid(3).split('\n');
    QCOMPARE(lines.size(), 1 + best.size() + 1);
    for (int rank = 0; rank < best.size(); ++rank) {
        const QList<QByteArray> fields = lines.at(rank + 1).trimmed().split(';');
        QCOMPARE(fields.size(), 7);
        QCOMPARE(fields.at(0).toInt(), rank + 1);
        QCOMPARE(fields.at(1), best.at(rank).date.toString(Qt::ISODate).toLatin1());
        QCOMPARE(Exact(QByteArray(fields.at(6)).replace(',', '.').toDouble()),
                 Exact(best.at(rank).mean));
    }
}

QTEST_MAIN(BestDaysTest)
#include "best_days_test.moc"
