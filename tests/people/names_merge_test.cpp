#include "common/file_bytes.h"
#include "common/message_hook.h"
#include "people/names_file.h"
#include "people/names_list.h"
#include "people/names_store.h"

#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A record as "name|day/month/year".
PersonRecord Record(const QString &text)
{
    const QString name = text.section(u'|', 0, 0);
    const QStringList date = text.section(u'|', 1).split(u'/');
    return {name,
            COleDateTime(date.value(2).toInt(), date.value(1).toInt(), date.value(0).toInt())};
}

QString Describe(const PersonRecord &record)
{
    const COleDateTime &date = record.birthDate;
    return QStringLiteral("%1|%2/%3/%4")
        .arg(record.name)
        .arg(date.GetDay())
        .arg(date.GetMonth())
        .arg(date.GetYear());
}

// P0 to P(n-1), all born on 1 January 2000.
QStringList Many(int n)
{
    QStringList records;
    for (int i = 0; i < n; ++i)
        records << QStringLiteral("P%1|1/1/2000").arg(i);
    return records;
}

NamesList ListOf(const QStringList &records)
{
    NamesList list;
    for (const QString &record : records)
        list.Append(Record(record));
    return list;
}

QStringList Describe(const NamesList &list)
{
    QStringList records;
    for (int i = 0; i < list.count; ++i)
        records << Describe(list.records[static_cast<size_t>(i)]);
    return records;
}

// What the names dialog, the wizard or an opened study does to a program's list: "+name|date"
// adds, "-name" removes, "~name|date" gives a new birth date.
void Edit(NamesList &list, const QStringList &edits)
{
    for (const QString &edit : edits) {
        const PersonRecord record = Record(edit.mid(1));
        const int found = list.FindByName(record.name);
        if (edit.startsWith(u'+'))
            QVERIFY(list.Append(record));
        else if (edit.startsWith(u'-'))
            list.RemoveAt(found);
        else
            list.records[static_cast<size_t>(found)].birthDate = record.birthDate;
    }
}

// One running program: its store and its list, loaded from the folder.
struct Program
{
    NamesStore store;
    NamesList list;
};

} // namespace

// Two programs keep the same names list; whichever ends last, neither loses the other's work.
class NamesMergeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void twoWriters_data();
    void twoWriters();
    void secondWriteAddsOnlyLaterChanges();
    void overfullFileIsKeptOnce();
    void lockLeftByAKilledProgram();

private:
    QString DataFile() const { return m_dir.filePath(QStringLiteral("Ondaris.dat")); }
    QTemporaryDir m_dir;
};

void NamesMergeTest::init()
{
    QVERIFY(m_dir.isValid());
    for (const QString &name : QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(m_dir.filePath(name));
}

void NamesMergeTest::twoWriters_data()
{
    QTest::addColumn<QStringList>("initial");
    QTest::addColumn<QStringList>("first");  // the edits of the program that writes first
    QTest::addColumn<QStringList>("second"); // those of the one that writes last
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("leftOut"); // told by the second program

    const QStringList p0{QStringLiteral("P0|1/1/2000")};
    const QString alice = QStringLiteral("Alice|2/3/1970");
    const QString bob = QStringLiteral("Bob|4/5/1980");

    // Both orders of two programs' edits: A ends first, then B ends first.
    const auto both = [&](const char *name, const QStringList &initial, const QStringList &a,
                          const QStringList &b, const QStringList &aThenB,
                          const QStringList &bThenA) {
        QTest::addRow("%s, A ends first", name) << initial << a << b << aThenB << QStringList();
        QTest::addRow("%s, B ends first", name) << initial << b << a << bThenA << QStringList();
    };
    both("each adds a person", p0, {u'+' + alice}, {u'+' + bob}, p0 + QStringList{alice, bob},
         p0 + QStringList{bob, alice});
    both("one changes nothing", p0, {}, {u'+' + bob}, p0 + QStringList{bob}, p0 + QStringList{bob});
    both("one removes, the other adds", p0, {QStringLiteral("-P0")}, {u'+' + bob}, {bob}, {bob});
    both("both remove the same person", p0 + QStringList{alice}, {QStringLiteral("-P0")},
         {QStringLiteral("-P0")}, {alice}, {alice});
    both("one gives a new birth date, the other adds", p0 + QStringList{alice},
         {QStringLiteral("~P0|9/9/1999")}, {u'+' + bob},
         {QStringLiteral("P0|9/9/1999"), alice, bob}, {QStringLiteral("P0|9/9/1999"), alice, bob});
    both("a removal does not remove a person redated since", p0 + QStringList{alice},
         {QStringLiteral("-P0")}, {QStringLiteral("~P0|9/9/1999")},
         {alice, QStringLiteral("P0|9/9/1999")}, {QStringLiteral("P0|9/9/1999"), alice});
    // One name is one person: the program that ends last gives the birth date.
    both("both add the same name", p0, {QStringLiteral("+Zoé|1/1/2001")},
         {QStringLiteral("+Zoé|2/2/2002")}, p0 + QStringList{QStringLiteral("Zoé|2/2/2002")},
         p0 + QStringList{QStringLiteral("Zoé|1/1/2001")});
    both("names differ by their case", p0, {QStringLiteral("+zoé|1/1/2001")},
         {QStringLiteral("+Zoé|2/2/2002")},
         p0 + QStringList{QStringLiteral("zoé|1/1/2001"), QStringLiteral("Zoé|2/2/2002")},
         p0 + QStringList{QStringLiteral("Zoé|2/2/2002"), QStringLiteral("zoé|1/1/2001")});

    // At the limit: what the list cannot hold is told, never dropped unsaid.
    QTest::newRow("full: the last to end tells what did not fit")
        << Many(98) << QStringList{u'+' + alice, u'+' + bob}
        << QStringList{QStringLiteral("+Carl|1/1/1990"), QStringLiteral("+Dora|1/1/1991")}
        << Many(98) + QStringList{alice, bob}
        << QStringList{QStringLiteral("Carl"), QStringLiteral("Dora")};
    QTest::newRow("full: a removal makes room for an addition")
        << Many(100) << QStringList{QStringLiteral("-P3"), QStringLiteral("+Zed|1/1/1990")}
        << QStringList{QStringLiteral("-P50"), u'+' + alice}
        << Many(100).mid(0, 3) + Many(100).mid(4, 46) + Many(100).mid(51) +
               QStringList{QStringLiteral("Zed|1/1/1990"), alice}
        << QStringList();
    QTest::newRow("full: the first program's additions take the places")
        << Many(99) << QStringList{u'+' + alice}
        << QStringList{QStringLiteral("-P0"), u'+' + bob, QStringLiteral("+Carl|1/1/1990")}
        << Many(99).mid(1) + QStringList{alice, bob} << QStringList{QStringLiteral("Carl")};
}

void NamesMergeTest::twoWriters()
{
    QFETCH(QStringList, initial);
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, leftOut);

    WriteFile(DataFile(), names_file::Write(ListOf(initial)));
    Program a, b;
    QVERIFY(a.store.Load(a.list, m_dir.path()));
    QVERIFY(b.store.Load(b.list, m_dir.path()));
    Edit(a.list, first);
    Edit(b.list, second);

    MessageRecorder recorder;
    QVERIFY(a.store.Save(a.list, m_dir.path()));
    QVERIFY(recorder.texts().isEmpty());
    QVERIFY(b.store.Save(b.list, m_dir.path()));

    NamesList written;
    QVERIFY(Program().store.Load(written, m_dir.path()));
    QCOMPARE(Describe(written), expected);
    if (leftOut.isEmpty()) {
        QCOMPARE(recorder.texts(), QStringList());
    } else {
        QCOMPARE(recorder.shown().size(), 1);
        QCOMPARE(recorder.shown().constFirst().icon, QMessageBox::Warning);
        for (const QString &name : leftOut)
            QVERIFY2(recorder.texts().constFirst().contains(u'\n' + name + u' '),
                     qPrintable(recorder.texts().constFirst()));
    }
    QVERIFY(!QFile::exists(DataFile() + QStringLiteral(".lock")));
}

// After a write, the program's own changes are those made since: a person that the other
// program removed in between does not come back.
void NamesMergeTest::secondWriteAddsOnlyLaterChanges()
{
    WriteFile(DataFile(), names_file::Write(ListOf({QStringLiteral("Alice|2/3/1970")})));
    Program a, b;
    QVERIFY(a.store.Load(a.list, m_dir.path()));
    QVERIFY(b.store.Load(b.list, m_dir.path()));
    Edit(a.list, {QStringLiteral("+Bob|4/5/1980")});
    QVERIFY(a.store.Save(a.list, m_dir.path()));
    Edit(b.list, {QStringLiteral("-Alice")});
    QVERIFY(b.store.Save(b.list, m_dir.path()));
    Edit(a.list, {QStringLiteral("+Carl|1/1/1990")});
    QVERIFY(a.store.Save(a.list, m_dir.path()));

    NamesList written;
    QVERIFY(Program().store.Load(written, m_dir.path()));
    QCOMPARE(Describe(written),
             (QStringList{QStringLiteral("Bob|4/5/1980"), QStringLiteral("Carl|1/1/1990")}));
}

// A hand-made file of more than 100 entries is cut to the list's size only once it is kept
// whole beside, and that is said once.
void NamesMergeTest::overfullFileIsKeptOnce()
{
    NamesList hundred = ListOf(Many(100));
    QByteArray overfull = names_file::Write(hundred);
    overfull.replace("\r\n100\r\n", "\r\n102\r\n");
    overfull += "P100\r\n1\r\n1\r\n2000\r\nP101\r\n1\r\n1\r\n2000\r\n";
    WriteFile(DataFile(), overfull);

    MessageRecorder recorder;
    Program program;
    QVERIFY(program.store.Load(program.list, m_dir.path()));
    QCOMPARE(program.list.count, 100);
    QVERIFY(recorder.texts().isEmpty());
    program.list.RemoveAt(0);
    QVERIFY(program.store.Save(program.list, m_dir.path()));

    const QString backup = DataFile() + QStringLiteral(".bak");
    QCOMPARE(ReadFile(backup), overfull);
    QCOMPARE(ReadFile(DataFile()), names_file::Write(program.list));
    QCOMPARE(recorder.shown().size(), 1);
    QCOMPARE(recorder.shown().constFirst().icon, QMessageBox::Information);
    QVERIFY(recorder.texts().constFirst().contains(QDir::toNativeSeparators(backup)));

    program.list.RemoveAt(0);
    QVERIFY(program.store.Save(program.list, m_dir.path()));
    QCOMPARE(recorder.shown().size(), 1);
    QCOMPARE(ReadFile(backup), overfull);
}

// A program killed while it wrote the list leaves its lock behind: the next write takes it over
// at once.
void NamesMergeTest::lockLeftByAKilledProgram()
{
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    QVERIFY(gone.waitForStarted());
    const qint64 pid = gone.processId();
    QVERIFY(gone.waitForFinished());
    const QString lockPath = DataFile() + QStringLiteral(".lock");
    WriteFile(lockPath, QByteArray::number(pid) + '\n' +
                            QCoreApplication::applicationName().toUtf8() + '\n' +
                            QSysInfo::machineHostName().toUtf8() + '\n');

    MessageRecorder recorder;
    Program program;
    QVERIFY(program.store.Load(program.list, m_dir.path()));
    Edit(program.list, {QStringLiteral("+Bob|4/5/1980")});
    QVERIFY(program.store.Save(program.list, m_dir.path()));
    QVERIFY(recorder.texts().isEmpty());
    QCOMPARE(ReadFile(DataFile()), names_file::Write(program.list));
    QVERIFY(!QFile::exists(lockPath));
}

QTEST_MAIN(NamesMergeTest)
#include "names_merge_test.moc"
