#include "study_bytes.h"

#include <QTest>

using namespace study_bytes;

namespace {

using Entries = QList<std::pair<QString, COleDateTime>>;

const COleDateTime kDate1(1970, 3, 15);
const COleDateTime kDate2(1982, 11, 2);
const COleDateTime kOther(1950, 6, 30);
const COleDateTime kStart(2004, 9, 1);

NamesList ListOf(const Entries &entries)
{
    NamesList names;
    for (const auto &[name, date] : entries)
        names.Append(PersonRecord{name, date});
    return names;
}

Entries EntriesOf(const NamesList &names)
{
    Entries entries;
    for (int i = 0; i < names.count; ++i)
        entries.append({names.records[i].name, names.records[i].birthDate});
    return entries;
}

Entries Numbered(int count)
{
    Entries entries;
    for (int i = 0; i < count; ++i)
        entries.append({QStringLiteral("Personne %1").arg(i), kOther});
    return entries;
}

} // namespace

class RegistrationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadingRegisters_data();
    void loadingRegisters();
    void openingTwiceAddsNothing();
};

void RegistrationTest::loadingRegisters_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<Entries>("before");
    QTest::addColumn<QString>("name1");
    QTest::addColumn<QString>("name2");
    QTest::addColumn<Entries>("after");

    const QString claire = QStringLiteral("Claire");
    const QString julien = QStringLiteral("Julien");
    QTest::newRow("bio, unknown name") << 0 << Entries{{julien, kOther}} << claire << QString()
                                       << Entries{{julien, kOther}, {claire, kDate1}};
    QTest::newRow("bio, known name with another date")
        << 0 << Entries{{claire, kOther}} << claire << QString() << Entries{{claire, kOther}};
    QTest::newRow("bio, name differing in case only")
        << 0 << Entries{{QStringLiteral("claire"), kOther}} << claire << QString()
        << Entries{{QStringLiteral("claire"), kOther}, {claire, kDate1}};
    QTest::newRow("bio, empty name")
        << 0 << Entries{} << QString() << QString() << Entries{{QString(), kDate1}};
    QTest::newRow("bi2, two unknown names in file order")
        << 1 << Entries{} << claire << julien << Entries{{claire, kDate1}, {julien, kDate2}};
    QTest::newRow("bi2, same name for both persons")
        << 1 << Entries{} << claire << claire << Entries{{claire, kDate1}};
    QTest::newRow("aff, second known, first unknown")
        << 2 << Entries{{julien, kOther}} << claire << julien
        << Entries{{julien, kOther}, {claire, kDate1}};
    QTest::newRow("aff, both empty")
        << 2 << Entries{} << QString() << QString() << Entries{{QString(), kDate1}};
    QTest::newRow("bi2, 99 entries: only the first person")
        << 1 << Numbered(99) << claire << julien << Numbered(99) + Entries{{claire, kDate1}};
    QTest::newRow("aff, 100 entries: nobody")
        << 2 << Numbered(100) << claire << julien << Numbered(100);
    QTest::newRow("bio, 100 entries: nobody")
        << 0 << Numbered(100) << claire << QString() << Numbered(100);
}

void RegistrationTest::loadingRegisters()
{
    QFETCH(int, kind);
    QFETCH(Entries, before);
    QFETCH(QString, name1);
    QFETCH(QString, name2);
    QFETCH(Entries, after);
    NamesList names = ListOf(before);
    const auto doc = Make(kind, names);
    const QByteArray bytes = File(kind, "c", name1.toLatin1(), name2.toLatin1(),
                                  {Date(kDate1), Date(kDate2), Date(kStart)});
    QCOMPARE(Read(*doc, bytes), QString());
    QCOMPARE(EntriesOf(names), after);
    QVERIFY(!doc->IsModified());
}

void RegistrationTest::openingTwiceAddsNothing()
{
    NamesList names;
    const QByteArray bytes =
        File(1, "c", "Claire", "Julien", {Date(kDate1), Date(kDate2), Date(kStart)});
    QCOMPARE(Read(*Make(1, names), bytes), QString());
    const auto doc = Make(1, names);
    QCOMPARE(Read(*doc, bytes), QString());
    QCOMPARE(names.count, 2);
    // Writing it again and reading that adds nothing either.
    QCOMPARE(Read(*Make(1, names), Write(*doc)), QString());
    QCOMPARE(names.count, 2);
}

QTEST_MAIN(RegistrationTest)
#include "registration_test.moc"
