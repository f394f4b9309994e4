#include "framework/cp1252.h"

#include <QTest>

class Cp1252Test : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyByteComesBack();
    void characters_data();
    void characters();
};

void Cp1252Test::everyByteComesBack()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = cp1252::Decode(all);
    QCOMPARE(text.size(), 256);
    QVERIFY(cp1252::Fits(text));
    QCOMPARE(cp1252::Encode(text), all);
}

void Cp1252Test::characters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty") << QString() << true << QByteArray();
    QTest::newRow("ASCII") << QStringLiteral("abc") << true << QByteArray("abc");
    QTest::newRow("French accents")
        << QStringLiteral("éàçÿ") << true << QByteArray::fromHex("e9e0e7ff");
    QTest::newRow("euro and ligatures")
        << QStringLiteral("€ŒœŸ") << true << QByteArray::fromHex("808c9c9f");
    QTest::newRow("quotes and dashes")
        << QStringLiteral("‘’“”–—…") << true << QByteArray::fromHex("9192939496 9785");
    QTest::newRow("undefined byte kept as C1")
        << QString(QChar(0x81)) << true << QByteArray::fromHex("81");
    QTest::newRow("other C1 characters do not fit")
        << QString(QChar(0x80)) << false << QByteArray("?");
    QTest::newRow("Polish") << QStringLiteral("Łukasz") << false << QByteArray("?ukasz");
    QTest::newRow("Chinese") << QStringLiteral("李") << false << QByteArray("?");
    QTest::newRow("outside the basic plane")
        << QStringLiteral("a\U0001F600") << false << QByteArray("a??");
}

void Cp1252Test::characters()
{
    QFETCH(QString, text);
    QFETCH(bool, fits);
    QFETCH(QByteArray, bytes);

    QCOMPARE(cp1252::Fits(text), fits);
    QCOMPARE(cp1252::Encode(text), bytes);
    if (fits)
        QCOMPARE(cp1252::Decode(bytes), text);
}

QTEST_MAIN(Cp1252Test)
#include "cp1252_test.moc"
