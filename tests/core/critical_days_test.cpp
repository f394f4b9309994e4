#include "core/calendar.h"
#include "core/critical_days.h"

#include <QTest>

class CriticalDaysTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void days_data();
    void days();
    void names();
};

namespace {

// "11:P 14:S": each critical day and the initials of its cycles, for readable failures.
QString Written(const QList<CriticalDay> &days)
{
    QStringList parts;
    for (const CriticalDay &day : days) {
        QString initials;
        for (const QString &name : CycleNames(day.cycles))
            initials += name.front();
        parts << QStringLiteral("%1:%2").arg(day.day).arg(initials);
    }
    return parts.join(u' ');
}

} // namespace

void CriticalDaysTest::days_data()
{
    QTest::addColumn<int>("birthDay");
    QTest::addColumn<int>("startDay");
    QTest::addColumn<int>("span");
    QTest::addColumn<QString>("expected");

    const int born = DayNumber(1970, 3, 15);
    // Zeros at the multiples of 11.5, 14 and 16.5 days: the 23- and 33-day cycles cross theirs
    // in the middle of days 11 and 16.
    QTest::newRow("first days after birth")
        << born << born << 35 << QStringLiteral("0:PSI 11:P 14:S 16:I 23:P 28:S 33:I 34:P");
    // Ages -20 to -11: zeros at -16.5, -14 and -11.5.
    QTest::newRow("before birth") << born << born - 20 << 10 << QStringLiteral("3:I 6:S 8:P");
    // 1900 counts 366 days: from 28 February to 1 March the age grows by two, so the 23-day
    // cycle's zero at 11.5 falls on day 9 of the study, not on day 10.
    QTest::newRow("1900's extra day")
        << DayNumber(1900, 2, 28) << DayNumber(1900, 3, 1) << 12 << QStringLiteral("9:P");
    // 115 = 5 x 23 = 3 x 33 + 16.
    QTest::newRow("double") << born << born + 113 << 4 << QStringLiteral("2:PI");
    // 7210 = 313 x 23 + 11 = 515 x 14 = 218 x 33 + 16, and nothing else from 7205 to 7214.
    QTest::newRow("triple") << born << born + 7205 << 10 << QStringLiteral("5:PSI");
    QTest::newRow("empty span") << born << born << 0 << QString();
}

void CriticalDaysTest::days()
{
    QFETCH(int, birthDay);
    QFETCH(int, startDay);
    QFETCH(int, span);
    QFETCH(QString, expected);

    QCOMPARE(Written(CriticalDays(birthDay, startDay, span)), expected);
}

void CriticalDaysTest::names()
{
    QCOMPARE(CycleNames(Cycle::Intellectuel | Cycle::Physique),
             QStringList({QStringLiteral("Physique"), QStringLiteral("Intellectuel")}));
    QCOMPARE(CycleNames({}), QStringList());
}

QTEST_GUILESS_MAIN(CriticalDaysTest)
#include "critical_days_test.moc"
