#include "common/exact.h"
#include "core/affinity.h"

#include <QTest>

class AffinityTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scores_data();
    void scores();
    void exactAverage_data();
    void exactAverage();
    void swappedPersons_data();
    void swappedPersons();
    void truncatedText_data();
    void truncatedText();
};

void AffinityTest::scores_data()
{
    QTest::addColumn<qint32>("birthDay1");
    QTest::addColumn<qint32>("birthDay2");
    QTest::addColumn<QList<double>>("approx"); // intellectual, sentimental, physical, average
    QTest::addColumn<QStringList>("texts");

    const QStringList hundred = {QStringLiteral("100"), QStringLiteral("100"),
                                 QStringLiteral("100"), QStringLiteral("100")};
    QTest::newRow("same day") << 719000 << 719000 << QList<double>{100, 100, 100, 100} << hundred;
    QTest::newRow("d = 1") << 719000 << 719001 << QList<double>{93.93, 92.89, 91.35, 92.72}
                           << QStringList{QStringLiteral("93"), QStringLiteral("92"),
                                          QStringLiteral("91"), QStringLiteral("92")};
    QTest::newRow("d = 33") << 719033 << 719000 << QList<double>{100, 66.29, 37.47, 67.92}
                            << QStringList{QStringLiteral("99"), QStringLiteral("66"),
                                           QStringLiteral("37"), QStringLiteral("67")};
    QTest::newRow("d = 28, sentimental in phase")
        << 1 << 29 << QList<double>{} << QStringList{QString(), QStringLiteral("99")};
    QTest::newRow("d = 23, physical in phase")
        << 1 << 24 << QList<double>{} << QStringList{QString(), QString(), QStringLiteral("99")};
}

void AffinityTest::scores()
{
    QFETCH(qint32, birthDay1);
    QFETCH(qint32, birthDay2);
    QFETCH(QList<double>, approx);
    QFETCH(QStringList, texts);

    const AffinityScores s = ComputeAffinityScores(birthDay1, birthDay2);
    const QList<double> values = {s.intellectual, s.sentimental, s.physical, s.average};
    const QStringList shown = {s.textIntellectual, s.textSentimental, s.textPhysical,
                               s.textAverage};
    for (qsizetype i = 0; i < approx.size(); ++i)
        QVERIFY2(std::abs(values[i] - approx[i]) < 0.005, qPrintable(QString::number(values[i])));
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (!texts[i].isNull())
            QCOMPARE(shown[i], texts[i]);
    }
    for (const double v : values)
        QVERIFY(v >= 0.0 && v <= 100.0);
}

void AffinityTest::exactAverage_data()
{
    QTest::addColumn<qint32>("difference");
    // For these differences, adding the three scores in another order rounds differently.
    QTest::newRow("d = 10") << 10;
    QTest::newRow("d = 15, every other order differs") << 15;
    QTest::newRow("d = 19") << 19;
}

// The average adds the sentimental score to the intellectual one, then the physical one.
void AffinityTest::exactAverage()
{
    QFETCH(qint32, difference);
    const AffinityScores s = ComputeAffinityScores(719000, 719000 + difference);
    QCOMPARE(Exact(s.average), Exact(((s.sentimental + s.intellectual) + s.physical) / 3));
}

void AffinityTest::swappedPersons_data()
{
    QTest::addColumn<qint32>("birthDay1");
    QTest::addColumn<qint32>("birthDay2");

    QTest::newRow("a day apart") << 719000 << 719001;
    QTest::newRow("a lifetime apart") << 36000 << 3652059;
    QTest::newRow("negative difference") << -5 << 12;
}

void AffinityTest::swappedPersons()
{
    QFETCH(qint32, birthDay1);
    QFETCH(qint32, birthDay2);

    const AffinityScores one = ComputeAffinityScores(birthDay1, birthDay2);
    const AffinityScores other = ComputeAffinityScores(birthDay2, birthDay1);
    QCOMPARE(one.intellectual, other.intellectual);
    QCOMPARE(one.sentimental, other.sentimental);
    QCOMPARE(one.physical, other.physical);
    QCOMPARE(one.average, other.average);
    QCOMPARE(one.textAverage, other.textAverage);
}

void AffinityTest::truncatedText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("never rounded up") << 92.999 << QStringLiteral("92");
    QTest::newRow("a hair below 100") << 100 - 1e-12 << QStringLiteral("99");
    QTest::newRow("whole") << 100.0 << QStringLiteral("100");
    QTest::newRow("zero") << 0.0 << QStringLiteral("0");
    QTest::newRow("toward zero below zero") << -3.7 << QStringLiteral("-3");
    QTest::newRow("no minus sign on zero") << -0.5 << QStringLiteral("0");
}

void AffinityTest::truncatedText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(TruncatedText(value), text);
}

QTEST_MAIN(AffinityTest)
#include "affinity_test.moc"
