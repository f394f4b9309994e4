#include "people/names_list.h"

#include <QTest>

namespace {

NamesList Named(const QStringList &names)
{
    NamesList list;
    for (const QString &name : names)
        list.Append({name, COleDateTime(2000, 1, 1)});
    return list;
}

QStringList Names(const NamesList &list)
{
    QStringList names;
    for (int i = 0; i < list.count; ++i)
        names << list.records[static_cast<size_t>(i)].name;
    return names;
}

} // namespace

class NamesListTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findByName_data();
    void findByName();
    void appendStopsAtCapacity();
    void appendMakesOneLine_data();
    void appendMakesOneLine();
    void removeAtMovesLaterRecordsUp();
};

void NamesListTest::findByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::newRow("first of two") << QStringLiteral("Alice") << 0;
    QTest::newRow("case matters") << QStringLiteral("alice") << 2;
    QTest::newRow("whole text") << QStringLiteral("Ali") << -1;
    QTest::newRow("blanks matter") << QStringLiteral("Alice ") << -1;
    QTest::newRow("empty name") << QString() << 3;
    QTest::newRow("beyond count") << QStringLiteral("gone") << -1;
    QTest::newRow("line breaks as stored") << QStringLiteral("Jean\r\nDupont") << 5;
}

void NamesListTest::findByName()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    NamesList list =
        Named({QStringLiteral("Alice"), QStringLiteral("Bob"), QStringLiteral("alice"), QString(),
               QStringLiteral("Alice"), QStringLiteral("gone"), QStringLiteral("Jean\nDupont")});
    list.RemoveAt(5);
    QCOMPARE(list.FindByName(name), index);
}

void NamesListTest::appendStopsAtCapacity()
{
    NamesList list;
    for (int i = 0; i < NamesList::kCapacity; ++i)
        QVERIFY(list.Append({QString::number(i), {}}));
    QVERIFY(list.IsFull());
    QVERIFY(!list.Append({QStringLiteral("101"), {}}));
    QCOMPARE(list.count, 100);
    QCOMPARE(list.records[99].name, QStringLiteral("99"));
}

void NamesListTest::appendMakesOneLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::newRow("CR LF") << QStringLiteral("Jean\r\nDupont") << QStringLiteral("Jean Dupont");
    QTest::newRow("LF and CR") << QStringLiteral("a\nb\rc") << QStringLiteral("a b c");
    QTest::newRow("plain") << QStringLiteral("Zoé") << QStringLiteral("Zoé");
}

void NamesListTest::appendMakesOneLine()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    NamesList list;
    list.Append({name, {}});
    QCOMPARE(list.records[0].name, stored);
}

void NamesListTest::removeAtMovesLaterRecordsUp()
{
    NamesList list = Named({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    list.records[2].birthDate = COleDateTime(1999, 9, 9);
    list.RemoveAt(1);
    QCOMPARE(Names(list), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
    QCOMPARE(list.records[1].birthDate, COleDateTime(1999, 9, 9));
    list.RemoveAt(2); // not in use: nothing happens
    list.RemoveAt(-1);
    QCOMPARE(list.count, 2);
    list.RemoveAt(0);
    list.RemoveAt(0);
    QCOMPARE(list.count, 0);
}

QTEST_MAIN(NamesListTest)
#include "names_list_test.moc"
