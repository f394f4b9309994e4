#include "common/file_bytes.h"
#include "common/message_hook.h"
#include "framework/whole_file.h"
#include "people/names_file.h"
#include "people/names_list.h"
#include "people/names_store.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kCorrupt = QStringLiteral("Le fichier Ondaris.dat est corrompu !");
const QString kUnreadable = QStringLiteral("Impossible de lire la liste de noms !");
const QString kCannotCreate =
    QStringLiteral("Impossible de créer le fichier de sortie\npour la liste des noms !");

// One record as "name|day/month/year", or "name|invalid".
QString Describe(const PersonRecord &record)
{
    const COleDateTime &date = record.birthDate;
    if (date.GetStatus() != COleDateTime::valid)
        return record.name + QStringLiteral("|invalid");
    return QStringLiteral("%1|%2/%3/%4")
        .arg(record.name)
        .arg(date.GetDay())
        .arg(date.GetMonth())
        .arg(date.GetYear());
}

QStringList Describe(const NamesList &list)
{
    QStringList lines;
    for (int i = 0; i < list.count; ++i)
        lines << Describe(list.records[static_cast<size_t>(i)]);
    return lines;
}

QByteArray Records(int n)
{
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes += "P" + QByteArray::number(i) + "\r\n1\r\n1\r\n2000\r\n";
    return bytes;
}

QStringList Described(int n)
{
    QStringList lines;
    for (int i = 0; i < n; ++i)
        lines << QStringLiteral("P%1|1/1/2000").arg(i);
    return lines;
}

} // namespace

class NamesFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void load_data();
    void load();
    void missingFileIsNoError();
    void write_data();
    void write();
    void roundTrip();
    void fullListHas402Lines();
    void saveThatCannotWrite();
    void fullDiskKeepsListAndBackup_data();
    void fullDiskKeepsListAndBackup();
    void unreadableFileIsKeptBeforeSave_data();
    void unreadableFileIsKeptBeforeSave();
    void neverLoadedWritesNothing();

private:
    QTemporaryDir m_dir;
};

void NamesFileTest::init()
{
    QSettings(QStringLiteral("Velmora"), QStringLiteral("Ondaris")).clear();
    QVERIFY(m_dir.isValid());
    QFile::remove(m_dir.filePath(QStringLiteral("Ondaris.dat")));
    QFile::remove(m_dir.filePath(QStringLiteral("Ondaris.dat.bak")));
}

void NamesFileTest::load_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("message");

    const QByteArray magic = "BSBDBDCP\r\n";
    const QString name38 = QString(38, u'x');
    const QString name60 =
        QStringLiteral("Jean-Baptiste Marie Emmanuel de la Tour d'Auvergne-Lauragais");

    QTest::newRow("empty file") << QByteArray() << QStringList() << kCorrupt;
    QTest::newRow("wrong magic") << QByteArray("BSBDBDCQ\r\n1\r\nA\r\n1\r\n1\r\n2000\r\n")
                                 << QStringList() << kCorrupt;
    QTest::newRow("short magic") << QByteArray("BSBD\r\n") << QStringList() << kCorrupt;
    QTest::newRow("magic plus one character")
        << QByteArray("BSBDBDCPX\r\n1\r\nA\r\n1\r\n1\r\n2000\r\n") << QStringList() << QString();
    QTest::newRow("magic only") << magic << QStringList() << kUnreadable;
    QTest::newRow("count 0") << magic + "0\r\n" << QStringList() << QString();
    QTest::newRow("count -3") << magic + "-3\r\nA\r\n1\r\n1\r\n2000\r\n"
                              << QStringList() << QString();
    QTest::newRow("count text") << magic + "abc\r\nA\r\n1\r\n1\r\n2000\r\n"
                                << QStringList() << QString();
    // The count line holds at most four characters: "0001" fills it, and its line end is read
    // as the name, which shifts every field of the record by one line.
    QTest::newRow("count line of four characters is split")
        << magic + "0001\r\nA\r\n1\r\n1\r\n2000\r\n"
        << QStringList{QStringLiteral("|invalid")} << QString();
    QTest::newRow("count with blanks and sign")
        << magic + " +1\r\nA\r\n1\r\n1\r\n2000\r\n"
        << QStringList{QStringLiteral("A|1/1/2000")} << QString();
    QTest::newRow("31/2/1980") << magic + "1\r\nA\r\n31\r\n2\r\n1980\r\n"
                               << QStringList{QStringLiteral("A|invalid")} << QString();
    QTest::newRow("-1 dates") << magic + "1\r\nA\r\n-1\r\n-1\r\n-1\r\n"
                              << QStringList{QStringLiteral("A|invalid")} << QString();
    QTest::newRow("year 99") << magic + "1\r\nA\r\n1\r\n1\r\n99\r\n"
                             << QStringList{QStringLiteral("A|invalid")} << QString();
    QTest::newRow("leading zeros") << magic + "1\r\nA\r\n07\r\n03\r\n0100\r\n"
                                   << QStringList{QStringLiteral("A|7/3/100")} << QString();
    QTest::newRow("empty name") << magic + "1\r\n\r\n29\r\n2\r\n2000\r\n"
                                << QStringList{QStringLiteral("|29/2/2000")} << QString();
    QTest::newRow("38-character name")
        << magic + "1\r\n" + name38.toLatin1() + "\r\n1\r\n12\r\n9999\r\n"
        << QStringList{name38 + QStringLiteral("|1/12/9999")} << QString();
    QTest::newRow("long name") << magic + "1\r\n" + name60.toLatin1() + "\r\n2\r\n3\r\n1950\r\n"
                               << QStringList{name60 + QStringLiteral("|2/3/1950")} << QString();
    QTest::newRow("100 records") << magic + "100\r\n" + Records(100) << Described(100) << QString();
    QTest::newRow("101 records") << magic + "101\r\n" + Records(101) << Described(100) << QString();
    QTest::newRow("count above the records")
        << magic + "3\r\n" + Records(2) << Described(2) << kUnreadable;
    QTest::newRow("cut after a name") << magic + "2\r\n" + Records(1) + "P1\r\n"
                                      << Described(1) << kUnreadable;
    QTest::newRow("cut inside a record") << magic + "1\r\nA\r\n1" << QStringList() << kUnreadable;
    QTest::newRow("last line without its end")
        << magic + "1\r\nA\r\n1\r\n1\r\n2000" << QStringList{QStringLiteral("A|1/1/2000")}
        << QString();
    QTest::newRow("LF line ends") << QByteArray("BSBDBDCP\n2\nA\n1\n2\n2003\nB\n-1\n-1\n-1\n")
                                  << QStringList{QStringLiteral("A|1/2/2003"),
                                                 QStringLiteral("B|invalid")}
                                  << QString();
    QTest::newRow("Windows-1252 name")
        << magic + "1\r\n\xc9lodie \x80\r\n1\r\n1\r\n2000\r\n"
        << QStringList{QStringLiteral("Élodie €|1/1/2000")} << QString();
    QTest::newRow("UTF-8 name") << magic + "1\r\n" + QStringLiteral("Zoë Ωmega").toUtf8() +
                                       "\r\n1\r\n1\r\n2000\r\n"
                                << QStringList{QStringLiteral("Zoë Ωmega|1/1/2000")} << QString();
    QTest::newRow("lone CR becomes a space")
        << magic + "1\r\nA\rB\r\n1\r\n1\r\n2000\r\n"
        << QStringList{QStringLiteral("A B|1/1/2000")} << QString();
    QTest::newRow("day line too long is split")
        << magic + "1\r\nA\r\n123\r\n1\r\n2000\r\n"
        << QStringList{QStringLiteral("A|invalid")} << QString();
}

void NamesFileTest::load()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QFETCH(QString, message);

    WriteFile(m_dir.filePath(QStringLiteral("Ondaris.dat")), bytes);
    MessageRecorder recorder;
    NamesList list;
    NamesStore store;
    list.Append({QStringLiteral("stale"), {}});
    QCOMPARE(store.Load(list, m_dir.path()), message.isEmpty());

    QCOMPARE(Describe(list), expected);
    QCOMPARE(recorder.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty())
        QCOMPARE(recorder.shown().constFirst().icon, QMessageBox::Critical);
}

void NamesFileTest::missingFileIsNoError()
{
    MessageRecorder recorder;
    NamesList list;
    NamesStore store;
    QVERIFY(store.Load(list, m_dir.path()));
    QCOMPARE(list.count, 0);
    QVERIFY(recorder.texts().isEmpty());
    QVERIFY(store.Save(list, m_dir.path()));
    QCOMPARE(ReadFile(m_dir.filePath(QStringLiteral("Ondaris.dat"))),
             QByteArray("BSBDBDCP\r\n0\r\n"));
}

void NamesFileTest::write_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<COleDateTime>("date");
    QTest::addColumn<QByteArray>("lines");

    QTest::newRow("plain") << QStringLiteral("Alice") << COleDateTime(1975, 1, 2, 13, 45, 0)
                           << QByteArray("Alice\r\n2\r\n1\r\n1975\r\n");
    QTest::newRow("Windows-1252 byte for byte")
        << QStringLiteral("Élodie €") << COleDateTime(100, 12, 31)
        << QByteArray("\xc9lodie \x80\r\n31\r\n12\r\n100\r\n");
    QTest::newRow("outside the code page in UTF-8")
        << QStringLiteral("Ωmega") << COleDateTime(2000, 2, 29)
        << QStringLiteral("Ωmega").toUtf8() + "\r\n29\r\n2\r\n2000\r\n";
    // These Windows-1252 bytes would read back as "é": the line goes out as UTF-8.
    QTest::newRow("code page bytes that look like UTF-8")
        << QStringLiteral("Ã©") << COleDateTime(2000, 1, 1)
        << QStringLiteral("Ã©").toUtf8() + "\r\n1\r\n1\r\n2000\r\n";
    QTest::newRow("invalid date") << QStringLiteral("B") << COleDateTime(0.0, COleDateTime::invalid)
                                  << QByteArray("B\r\n-1\r\n-1\r\n-1\r\n");
    QTest::newRow("date out of range")
        << QStringLiteral("C") << COleDateTime(-1e9) << QByteArray("C\r\n-1\r\n-1\r\n-1\r\n");
    QTest::newRow("line breaks become spaces")
        << QStringLiteral("D\r\nE\nF\rG") << COleDateTime(2000, 1, 1)
        << QByteArray("D E F G\r\n1\r\n1\r\n2000\r\n");
}

void NamesFileTest::write()
{
    QFETCH(QString, name);
    QFETCH(COleDateTime, date);
    QFETCH(QByteArray, lines);

    NamesList list;

    NamesStore store;
    QVERIFY(list.Append({name, date}));
    QCOMPARE(names_file::Write(list), QByteArray("BSBDBDCP\r\n1\r\n") + lines);
}

void NamesFileTest::roundTrip()
{
    NamesList list;
    NamesStore store;
    const QStringList names{QString(38, u'a'),
                            QString(200, u'b'),
                            QStringLiteral("Élodie"),
                            QStringLiteral("Zoë Ωmega 😀"),
                            QStringLiteral("Ã©"),
                            QStringLiteral(" spaced "),
                            QString(),
                            QStringLiteral("a\rb")};
    for (const QString &name : names)
        list.Append({name, COleDateTime(1980, 5, 12, 8, 30, 0)});
    list.Append({QStringLiteral("invalid"), COleDateTime(0.0, COleDateTime::invalid)});

    QByteArray bytes = names_file::Write(list);
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    NamesList back;
    QCOMPARE(names_file::Read(buffer, back), names_file::ReadResult::Ok);
    QCOMPARE(Describe(back), Describe(list));
    QCOMPARE(back.records[0].birthDate, COleDateTime(1980, 5, 12));
}

void NamesFileTest::fullListHas402Lines()
{
    NamesList list;
    NamesStore store;
    while (list.Append({QStringLiteral("P"), COleDateTime(2000, 1, 1)})) {
    }
    QCOMPARE(list.count, 100);
    const QByteArray bytes = names_file::Write(list);
    QCOMPARE(bytes.count("\r\n"), 402);
    QVERIFY(bytes.endsWith("2000\r\n"));
}

void NamesFileTest::saveThatCannotWrite()
{
    // The data directory is a file: nothing can be created under it.
    const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
    WriteFile(blocker, "x");
    MessageRecorder recorder;
    NamesList list;
    NamesStore store;
    QVERIFY(store.Load(list, blocker));
    list.Append({QStringLiteral("A"), COleDateTime(2000, 1, 1)});
    QVERIFY(!store.Save(list, blocker));
    QCOMPARE(recorder.texts(), QStringList{kCannotCreate});
    QCOMPARE(recorder.shown().constFirst().icon, QMessageBox::Critical);
    QCOMPARE(ReadFile(blocker), QByteArray("x"));
}

void NamesFileTest::fullDiskKeepsListAndBackup_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("a good list") << QByteArray("BSBDBDCP\r\n1\r\nA\r\n1\r\n1\r\n2000\r\n");
    QTest::newRow("an unreadable list, kept first") << QByteArray("not a names list\r\n");
}

// The disk fills when Qt flushes its buffer: neither the list nor its backup is touched.
void NamesFileTest::fullDiskKeepsListAndBackup()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(QStringLiteral("Ondaris.dat"));
    WriteFile(path + QStringLiteral(".bak"), "an older backup");
    WriteFile(path, bytes);
    MessageRecorder recorder;
    NamesList list;
    NamesStore store;
    store.Load(list, m_dir.path());
    list.Append({QStringLiteral("Zoé"), COleDateTime(2000, 1, 1)});

    whole_file_testing::FailAt(WriteStage::Flush);
    const bool saved = store.Save(list, m_dir.path());
    whole_file_testing::FailAt(std::nullopt);
    QVERIFY(!saved);
    QCOMPARE(recorder.texts().constLast(), kCannotCreate);
    QCOMPARE(ReadFile(path), bytes);
    QCOMPARE(ReadFile(path + QStringLiteral(".bak")), QByteArray("an older backup"));
    // The temporary files would be named "Ondaris.dat.XXXXXX".
    QCOMPARE(
        QDir(m_dir.path()).entryList({QStringLiteral("Ondaris.dat*")}, QDir::Files | QDir::Hidden),
        (QStringList{QStringLiteral("Ondaris.dat"), QStringLiteral("Ondaris.dat.bak")}));
}

void NamesFileTest::unreadableFileIsKeptBeforeSave_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("wrong magic") << QByteArray("not a names list\r\n");
    QTest::newRow("cut part-way") << QByteArray("BSBDBDCP\r\n2\r\nA\r\n1\r\n1\r\n2000\r\nB\r\n");
}

void NamesFileTest::unreadableFileIsKeptBeforeSave()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(QStringLiteral("Ondaris.dat"));
    WriteFile(path, "an older backup");
    QFile::rename(path, path + QStringLiteral(".bak"));
    WriteFile(path, bytes);

    MessageRecorder recorder;
    NamesList list;
    NamesStore store;
    QVERIFY(!store.Load(list, m_dir.path()));
    QVERIFY(store.Save(list, m_dir.path()));
    QCOMPARE(ReadFile(path + QStringLiteral(".bak")), bytes);
    QCOMPARE(ReadFile(path), names_file::Write(list));

    // Once replaced by a good file, the next save leaves the backup alone.
    WriteFile(path + QStringLiteral(".bak"), "kept");
    QVERIFY(store.Save(list, m_dir.path()));
    QCOMPARE(ReadFile(path + QStringLiteral(".bak")), QByteArray("kept"));
}

void NamesFileTest::neverLoadedWritesNothing()
{
    const QString path = m_dir.filePath(QStringLiteral("Ondaris.dat"));
    const QByteArray before = "BSBDBDCP\r\n1\r\nA\r\n1\r\n1\r\n2000\r\n";
    WriteFile(path, before);
    NamesList list;
    NamesStore store;
    QVERIFY(store.Save(list, m_dir.path()));
    QCOMPARE(ReadFile(path), before);
}

QTEST_MAIN(NamesFileTest)
#include "names_file_test.moc"
