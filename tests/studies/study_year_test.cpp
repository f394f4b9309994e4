#include "common/exact.h"
#include "core/calendar.h"
#include "core/cycles.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"
#include "studies/study_csv.h"
#include "studies/study_year.h"
#include "study_bytes.h"

#include <QTest>

using namespace study_bytes;

namespace {

int DayNumberOf(const QDate &date)
{
    return DayNumber(date.year(), date.month(), date.day());
}

const CycleSeries *PageCurve(const CDocument &study, int cycle)
{
    if (const auto *bio = qobject_cast<const COndarisDoc *>(&study))
        return cycle == 0   ? &bio->curveIntellectual
               : cycle == 1 ? &bio->curveSentimental
                            : &bio->curvePhysical;
    const auto *bi2 = qobject_cast<const COndarisDoc2 *>(&study);
    return cycle == 0   ? &bi2->curveIntellectual
           : cycle == 1 ? &bi2->curveSentimental
                        : &bi2->curvePhysical;
}

} // namespace

class StudyYearTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellsAgainstTheCurves_data();
    void cellsAgainstTheCurves();
    void lastDate();
    void csvHoldsTheYear();
};

void StudyYearTest::cellsAgainstTheCurves_data()
{
    QTest::addColumn<QList<QDate>>("births");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("span");
    const QList<QDate> one{QDate(1970, 3, 15)};
    const QList<QDate> two{QDate(1970, 3, 15), QDate(1982, 11, 2)};
    QTest::newRow("from February of a leap year") << one << QDate(2024, 2, 10) << 366;
    QTest::newRow("from February of a common year") << one << QDate(2025, 2, 10) << 365;
    QTest::newRow("a leap day in the last month") << one << QDate(2023, 3, 31) << 366;
    QTest::newRow("31 December to 1 January") << one << QDate(2026, 12, 31) << 365;
    QTest::newRow("Compatibilité over New Year") << two << QDate(2026, 12, 31) << 365;
    QTest::newRow("Compatibilité, a person born after the start")
        << QList<QDate>{QDate(1970, 3, 15), QDate(2027, 5, 1)} << QDate(2027, 1, 1) << 365;
    const QDate today = QDate::currentDate();
    QTest::newRow("the year that holds today")
        << one << today
        << int(today.addDays(1 - today.day()).daysTo(today.addDays(1 - today.day()).addYears(1)));
}

void StudyYearTest::cellsAgainstTheCurves()
{
    QFETCH(QList<QDate>, births);
    QFETCH(QDate, start);
    QFETCH(int, span);
    NamesList names;
    const std::unique_ptr<CDocument> study = DayStudy(names, births, start);
    QVERIFY(study);
    const StudyYear year(*StudyDays::Of(*study));
    QCOMPARE(year.First(), QDate(start.year(), start.month(), 1));
    QCOMPARE(year.Span(), span);

    const int startDay = DayNumberOf(start);
    int cells = 0;
    for (int row = 0; row < StudyYear::kMonths; ++row) {
        const QDate month = start.addDays(1 - start.day()).addMonths(row);
        QCOMPARE(year.DaysIn(row), month.daysInMonth());
        for (int column = 0; column < StudyYear::kColumns; ++column) {
            const std::optional<int> day = year.DayAt(row, column);
            QCOMPARE(day.has_value(), column < month.daysInMonth());
            if (!day)
                continue;
            ++cells;
            const StudyYear::Cell cell = year.CellAt(*day);
            QCOMPARE(cell.date, month.addDays(column));
            QCOMPARE(year.CellOf(*day), std::make_optional(std::pair{row, column}));
            // The page's days count from its start on the same dates.
            const int lived1 = startDay - DayNumberOf(births.at(0));
            const int k = DayNumberOf(cell.date) - startDay;
            QCOMPARE(*day, k);
            Cycles critical;
            for (const QDate &birth : births)
                critical |= CriticalCycles(DayNumberOf(cell.date) - DayNumberOf(birth));
            QCOMPARE(cell.critical, critical);
            const double periods[3] = {kIntellectualPeriod, kSentimentalPeriod, kPhysicalPeriod};
            const double values[3] = {cell.values.intellectual, cell.values.sentimental,
                                      cell.values.physical};
            for (int c = 0; c < 3; ++c) {
                const double expected =
                    births.size() == 1 ? CycleValue(periods[c], lived1 + k)
                                       : MeanCycleValue(periods[c], lived1,
                                                        startDay - DayNumberOf(births.at(1)), k);
                QCOMPARE(Exact(values[c]), Exact(expected));
                if (k >= 0 && k < kSeriesLength)
                    QCOMPARE(Exact(values[c]), Exact((*PageCurve(*study, c))[k]));
            }
            QCOMPARE(Exact(StudyYear::ValueOf(cell.values, StudyYear::Curve::Moyenne)),
                     Exact(CycleAverage(values[0], values[1], values[2])));
        }
    }
    QCOMPARE(cells, span);
    QVERIFY(!year.CellOf(year.Days().DayOf(year.First()) - 1));
    QVERIFY(!year.CellOf(year.Days().DayOf(year.First()) + span));
}

// The year stops at the last date that a study's dates can take.
void StudyYearTest::lastDate()
{
    NamesList names;
    const std::unique_ptr<CDocument> study =
        DayStudy(names, {QDate(9950, 1, 1)}, QDate(9999, 6, 15));
    QVERIFY(study);
    const StudyYear year(*StudyDays::Of(*study));
    QCOMPARE(year.DaysIn(6), 31);
    QCOMPARE(year.DaysIn(7), 0);
    QCOMPARE(year.Span(), int(QDate(9999, 6, 1).daysTo(QDate(9999, 12, 31))) + 1);
    QVERIFY(!year.DayAt(7, 0));
    QVERIFY(!year.CellOf(year.Days().DayOf(QDate(9999, 12, 31)) + 1));
}

// A row a day of the year, the same rows as the study's own CSV on the days they share.
void StudyYearTest::csvHoldsTheYear()
{
    NamesList names;
    const std::unique_ptr<CDocument> study =
        DayStudy(names, {QDate(1970, 3, 15)}, QDate(2024, 2, 10));
    QVERIFY(study);
    const StudyYear year(*StudyDays::Of(*study));
    const QList<QByteArray> lines = YearCsv(year).split('\n');
    QCOMPARE(lines.size(), 1 + 366 + 1); // the heading, the days, nothing after the last CR LF
    QVERIFY(lines.at(1).startsWith("2024-02-01;"));
    QVERIFY(lines.at(366).startsWith("2025-01-31;"));
    const QList<QByteArray> page = StudyCsv(*study, 29).split('\n');
    QCOMPARE(lines.at(0), page.at(0));
    for (int day = 0; day < 29; ++day)
        QCOMPARE(lines.at(10 + day), page.at(1 + day));
}

QTEST_MAIN(StudyYearTest)
#include "study_year_test.moc"
