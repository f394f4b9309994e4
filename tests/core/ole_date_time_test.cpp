#include "core/ole_date_time.h"

#include <QTest>
#include <cmath>
#include <limits>

class OleDateTimeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void partsOfValues_data();
    void partsOfValues();
    void fromParts_data();
    void fromParts();
    void fromQtDates();
    void currentTime();
};

void OleDateTimeTest::partsOfValues_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint32>("status");
    QTest::addColumn<QList<int>>("parts"); // year, month, day, weekday, hour, minute, second

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const QList<int> none = {-1, -1, -1, -1, -1, -1, -1};
    const qint32 valid = COleDateTime::valid;

    QTest::newRow("day 0, a Saturday") << 0.0 << valid << QList<int>{1899, 12, 30, 7, 0, 0, 0};
    QTest::newRow("quarter day") << 0.25 << valid << QList<int>{1899, 12, 30, 7, 6, 0, 0};
    QTest::newRow("-0.25 names day 0") << -0.25 << valid << QList<int>{1899, 12, 30, 7, 6, 0, 0};
    QTest::newRow("day -1") << -1.0 << valid << QList<int>{1899, 12, 29, 6, 0, 0, 0};
    QTest::newRow("-1.25 counts forward") << -1.25 << valid << QList<int>{1899, 12, 29, 6, 6, 0, 0};
    QTest::newRow("-1.75 counts forward")
        << -1.75 << valid << QList<int>{1899, 12, 29, 6, 18, 0, 0};
    QTest::newRow("-2.5") << -2.5 << valid << QList<int>{1899, 12, 28, 5, 12, 0, 0};
    QTest::newRow("a Sunday at noon") << 25642.5 << valid << QList<int>{1970, 3, 15, 1, 12, 0, 0};
    QTest::newRow("a Wednesday") << 38231.0 << valid << QList<int>{2004, 9, 1, 4, 0, 0, 0};
    QTest::newRow("1 March 1900") << 61.0 << valid << QList<int>{1900, 3, 1, 5, 0, 0, 0};
    QTest::newRow("seconds") << 1.0 + 3723.0 / 86400 << valid
                             << QList<int>{1899, 12, 31, 1, 1, 2, 3};
    QTest::newRow("just before midnight rounds to the next day")
        << 1.0 - 1e-9 << valid << QList<int>{1899, 12, 31, 1, 0, 0, 0};
    QTest::newRow("below zero rounds forward too")
        << -1.0 - (1.0 - 1e-9) << valid << QList<int>{1899, 12, 30, 7, 0, 0, 0};
    QTest::newRow("first day of year 100")
        << -657434.0 << valid << QList<int>{100, 1, 1, 6, 0, 0, 0};
    QTest::newRow("noon of the first day")
        << -657434.5 << valid << QList<int>{100, 1, 1, 6, 12, 0, 0};
    QTest::newRow("last day of year 9999")
        << 2958465.75 << valid << QList<int>{9999, 12, 31, 6, 18, 0, 0};
    QTest::newRow("year 99") << -657435.0 << valid << none;
    QTest::newRow("year 10000") << 2958466.0 << valid << none;
    QTest::newRow("last second rounds into year 10000") << 2958466.0 - 1e-7 << valid << none;
    QTest::newRow("huge") << 1e300 << valid << none;
    QTest::newRow("huge negative") << -1e300 << valid << none;
    QTest::newRow("NaN") << nan << valid << none;
    QTest::newRow("infinity") << inf << valid << none;
    QTest::newRow("minus infinity") << -inf << valid << none;
    QTest::newRow("invalid status") << 25642.0 << qint32(COleDateTime::invalid) << none;
    QTest::newRow("null status") << 25642.0 << qint32(COleDateTime::null) << none;
    QTest::newRow("unknown status") << 25642.0 << qint32(7) << none;
    QTest::newRow("negative status") << 25642.0 << qint32(-1) << none;
}

void OleDateTimeTest::partsOfValues()
{
    QFETCH(double, value);
    QFETCH(qint32, status);
    QFETCH(QList<int>, parts);

    const COleDateTime date(value, status);
    const QList<int> read = {date.GetYear(), date.GetMonth(),  date.GetDay(),   date.GetDayOfWeek(),
                             date.GetHour(), date.GetMinute(), date.GetSecond()};
    QCOMPARE(read, parts);
    QCOMPARE(date.IsConvertible(), parts.first() != -1);
    QCOMPARE(date.ToQDate().isValid(), parts.first() != -1);
}

void OleDateTimeTest::fromParts_data()
{
    QTest::addColumn<QList<int>>("parts"); // year, month, day, hour, minute, second
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");

    QTest::newRow("15 March 1970") << QList<int>{1970, 3, 15, 0, 0, 0} << true << 25642.0;
    QTest::newRow("1 September 2004") << QList<int>{2004, 9, 1, 0, 0, 0} << true << 38231.0;
    QTest::newRow("day 0") << QList<int>{1899, 12, 30, 0, 0, 0} << true << 0.0;
    QTest::newRow("before day 0 with a time") << QList<int>{1899, 12, 29, 6, 0, 0} << true << -1.25;
    QTest::newRow("after day 0 with a time") << QList<int>{1899, 12, 31, 18, 0, 0} << true << 1.75;
    QTest::newRow("29 February 2000") << QList<int>{2000, 2, 29, 0, 0, 0} << true << 36585.0;
    QTest::newRow("first day") << QList<int>{100, 1, 1, 0, 0, 0} << true << -657434.0;
    QTest::newRow("last second") << QList<int>{9999, 12, 31, 23, 59, 59} << true
                                 << 2958465.0 + 86399.0 / 86400;
    QTest::newRow("29 February 1900") << QList<int>{1900, 2, 29, 0, 0, 0} << false << 0.0;
    QTest::newRow("29 February 2003") << QList<int>{2003, 2, 29, 0, 0, 0} << false << 0.0;
    QTest::newRow("31 April") << QList<int>{2004, 4, 31, 0, 0, 0} << false << 0.0;
    QTest::newRow("month 13") << QList<int>{2004, 13, 1, 0, 0, 0} << false << 0.0;
    QTest::newRow("month 0") << QList<int>{2004, 0, 1, 0, 0, 0} << false << 0.0;
    QTest::newRow("day 0 of a month") << QList<int>{2004, 1, 0, 0, 0, 0} << false << 0.0;
    QTest::newRow("year 99") << QList<int>{99, 12, 31, 0, 0, 0} << false << 0.0;
    QTest::newRow("year 10000") << QList<int>{10000, 1, 1, 0, 0, 0} << false << 0.0;
    QTest::newRow("year 0") << QList<int>{0, 1, 1, 0, 0, 0} << false << 0.0;
    QTest::newRow("hour 24") << QList<int>{2004, 1, 1, 24, 0, 0} << false << 0.0;
    QTest::newRow("minute 60") << QList<int>{2004, 1, 1, 0, 60, 0} << false << 0.0;
    QTest::newRow("second 60") << QList<int>{2004, 1, 1, 0, 0, 60} << false << 0.0;
    QTest::newRow("negative hour") << QList<int>{2004, 1, 1, -1, 0, 0} << false << 0.0;
}

void OleDateTimeTest::fromParts()
{
    QFETCH(QList<int>, parts);
    QFETCH(bool, valid);
    QFETCH(double, value);

    const COleDateTime date(parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]);
    QCOMPARE(date.GetStatus(), valid ? COleDateTime::valid : COleDateTime::invalid);
    if (!valid)
        return;
    QCOMPARE(date.m_dt, value);
    const QList<int> read = {date.GetYear(), date.GetMonth(),  date.GetDay(),
                             date.GetHour(), date.GetMinute(), date.GetSecond()};
    QCOMPARE(read, parts);
}

void OleDateTimeTest::fromQtDates()
{
    QCOMPARE(COleDateTime::FromQDate(QDate(1970, 3, 15)), COleDateTime(25642.0));
    QCOMPARE(COleDateTime::FromQDate(QDate(99, 12, 31)).GetStatus(), COleDateTime::invalid);
    QCOMPARE(COleDateTime::FromQDate(QDate()).GetStatus(), COleDateTime::invalid);

    const COleDateTime before =
        COleDateTime::FromQDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    QCOMPARE(before, COleDateTime(-1.25));
    const QDateTime evening(QDate(1970, 3, 15), QTime(18, 0, 30));
    QCOMPARE(COleDateTime::FromQDateTime(evening).ToQDateTime(), evening);
    QCOMPARE(COleDateTime::FromQDateTime(QDateTime()).GetStatus(), COleDateTime::invalid);
}

void OleDateTimeTest::currentTime()
{
    const COleDateTime now = COleDateTime::GetCurrentTime();
    QCOMPARE(now.GetStatus(), COleDateTime::valid);
    // Midnight may pass between the two readings.
    QVERIFY(std::abs(now.ToQDate().daysTo(QDate::currentDate())) <= 1);
}

QTEST_MAIN(OleDateTimeTest)
#include "ole_date_time_test.moc"
