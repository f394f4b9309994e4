#include "core/calendar.h"

#include <QLocale>
#include <QTest>

class CalendarTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dayNumberOfFirstDays();
    void dayNumberSteps_data();
    void dayNumberSteps();
    void weekdayNames_data();
    void weekdayNames();
    void letterRows_data();
    void letterRows();
    void labelRows_data();
    void labelRows();
    void unreadableStartKeepsRowsFull();
    void shortDateFormats_data();
    void shortDateFormats();
    void dateText();
};

void CalendarTest::dayNumberOfFirstDays()
{
    QCOMPARE(DayNumber(1, 1, 1), 1);
    QCOMPARE(DayNumber(1, 12, 31), 365);
    QCOMPARE(DayNumber(2, 1, 1), 366);
    QCOMPARE(DayNumber(COleDateTime(1970, 3, 15)), DayNumber(1970, 3, 15));
}

void CalendarTest::dayNumberSteps_data()
{
    QTest::addColumn<COleDateTime>("from");
    QTest::addColumn<COleDateTime>("to");
    QTest::addColumn<int>("step");

    QTest::newRow("29 Feb to 1 Mar 2004")
        << COleDateTime(2004, 2, 29) << COleDateTime(2004, 3, 1) << 1;
    QTest::newRow("year 2000") << COleDateTime(2000, 1, 1) << COleDateTime(2001, 1, 1) << 366;
    QTest::newRow("year 2001") << COleDateTime(2001, 1, 1) << COleDateTime(2002, 1, 1) << 365;
    QTest::newRow("28 Feb to 1 Mar 1900")
        << COleDateTime(1900, 2, 28) << COleDateTime(1900, 3, 1) << 2;
    QTest::newRow("June 1899 to June 1900")
        << COleDateTime(1899, 6, 1) << COleDateTime(1900, 6, 1) << 366;
    QTest::newRow("1900 to 2100 agrees with the calendar")
        << COleDateTime(1900, 3, 1) << COleDateTime(2100, 2, 28) << 73048;
    QTest::newRow("31 Dec to 1 Jan") << COleDateTime(1999, 12, 31) << COleDateTime(2000, 1, 1) << 1;
    QTest::newRow("31 Jan to 1 Feb") << COleDateTime(2003, 1, 31) << COleDateTime(2003, 2, 1) << 1;
    QTest::newRow("a lifetime") << COleDateTime(1970, 3, 15) << COleDateTime(2004, 9, 1) << 12589;
}

void CalendarTest::dayNumberSteps()
{
    QFETCH(COleDateTime, from);
    QFETCH(COleDateTime, to);
    QFETCH(int, step);
    QCOMPARE(DayNumber(to) - DayNumber(from), step);
}

void CalendarTest::weekdayNames_data()
{
    QTest::addColumn<COleDateTime>("date");
    QTest::addColumn<QString>("name");

    QTest::newRow("Sunday") << COleDateTime(1970, 3, 15) << QStringLiteral("Dimanche");
    QTest::newRow("Monday") << COleDateTime(1970, 3, 16) << QStringLiteral("Lundi");
    QTest::newRow("Wednesday") << COleDateTime(2004, 9, 1) << QStringLiteral("Mercredi");
    QTest::newRow("Saturday, day 0") << COleDateTime(0.0) << QStringLiteral("Samedi");
    QTest::newRow("Friday before day 0") << COleDateTime(-1.5) << QStringLiteral("Vendredi");
    QTest::newRow("invalid") << COleDateTime(0.0, COleDateTime::invalid) << QString();
    QTest::newRow("null") << COleDateTime(0.0, COleDateTime::null) << QString();
}

void CalendarTest::weekdayNames()
{
    QFETCH(COleDateTime, date);
    QFETCH(QString, name);
    QCOMPARE(WeekdayName(date), name);
}

void CalendarTest::letterRows_data()
{
    QTest::addColumn<COleDateTime>("start");
    QTest::addColumn<QString>("row");

    QTest::newRow("Sunday") << COleDateTime(1970, 3, 15)
                            << QStringLiteral("DLMMJVSDLMMJVSDLMMJVSDLMMJVSD");
    QTest::newRow("Saturday") << COleDateTime(2004, 8, 28)
                              << QStringLiteral("SDLMMJVSDLMMJVSDLMMJVSDLMMJVS");
    QTest::newRow("Wednesday") << COleDateTime(2004, 9, 1)
                               << QStringLiteral("MJVSDLMMJVSDLMMJVSDLMMJVSDLMM");
}

void CalendarTest::letterRows()
{
    QFETCH(COleDateTime, start);
    QFETCH(QString, row);
    QCOMPARE(WeekdayLetterRow(start), row);
}

void CalendarTest::labelRows_data()
{
    QTest::addColumn<COleDateTime>("start");
    QTest::addColumn<QByteArray>("labels");

    QTest::newRow("February of a leap year")
        << COleDateTime(2004, 2, 25)
        << QByteArray("2526272829 1 2 3 4 5 6 7 8 9101112131415161718192021222324");
    QTest::newRow("February of a common year")
        << COleDateTime(2003, 2, 25)
        << QByteArray("25262728 1 2 3 4 5 6 7 8 910111213141516171819202122232425");
    QTest::newRow("1900 has no 29 February here")
        << COleDateTime(1900, 2, 20)
        << QByteArray("202122232425262728 1 2 3 4 5 6 7 8 91011121314151617181920");
    QTest::newRow("2000 has one")
        << COleDateTime(2000, 2, 20)
        << QByteArray("20212223242526272829 1 2 3 4 5 6 7 8 910111213141516171819");
    QTest::newRow("New Year") << COleDateTime(2004, 12, 20)
                              << QByteArray(
                                     "202122232425262728293031 1 2 3 4 5 6 7 8 91011121314151617");
    QTest::newRow("a 30-day month from its first day")
        << COleDateTime(2004, 9, 1)
        << QByteArray(" 1 2 3 4 5 6 7 8 91011121314151617181920212223242526272829");
}

void CalendarTest::labelRows()
{
    QFETCH(COleDateTime, start);
    QFETCH(QByteArray, labels);

    const DayLabels row = DayLabelRow(start);
    QCOMPARE(QByteArray(row.data(), 58), labels);
    QCOMPARE(row[58], '\0');
}

void CalendarTest::unreadableStartKeepsRowsFull()
{
    const COleDateTime bad(0.0, COleDateTime::invalid);
    QCOMPARE(WeekdayLetterRow(bad), QString(29, u' '));
    const DayLabels row = DayLabelRow(bad);
    QCOMPARE(QByteArray(row.data(), 58), QByteArray(58, ' '));
    QCOMPARE(row[58], '\0');
}

void CalendarTest::shortDateFormats_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("format");

    QTest::newRow("French") << QStringLiteral("fr_FR") << QStringLiteral("dd/MM/yyyy");
    QTest::newRow("US, two-digit year") << QStringLiteral("en_US") << QStringLiteral("M/d/yyyy");
    QTest::newRow("German") << QStringLiteral("de_DE") << QStringLiteral("dd.MM.yyyy");
    QTest::newRow("year first") << QStringLiteral("ja_JP") << QStringLiteral("yyyy/MM/dd");
    QTest::newRow("quoted text is kept")
        << QStringLiteral("bg_BG") << QStringLiteral("d.MM.yyyy 'г'.");
    QTest::newRow("C writes month names") << QStringLiteral("C") << QStringLiteral("dd/MM/yyyy");
    QTest::newRow("POSIX") << QStringLiteral("POSIX") << QStringLiteral("dd/MM/yyyy");
}

void CalendarTest::shortDateFormats()
{
    QFETCH(QString, locale);
    QFETCH(QString, format);
    QCOMPARE(ShortDateFormat(QLocale(locale)), format);
}

void CalendarTest::dateText()
{
    QCOMPARE(DateText(COleDateTime(0.0, COleDateTime::invalid)), QString());
    QCOMPARE(DateText(COleDateTime(1e9)), QString());
    if (ShortDateFormat() != QStringLiteral("dd/MM/yyyy"))
        QSKIP("the system locale is neither French nor C");
    QCOMPARE(DateText(COleDateTime(25642.75)), QStringLiteral("15/03/1970"));
    QCOMPARE(DateText(COleDateTime(100, 1, 1)), QStringLiteral("01/01/0100"));
}

QTEST_MAIN(CalendarTest)
#include "calendar_test.moc"
