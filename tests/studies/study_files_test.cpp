#include "common/french_locale.h"
#include "framework/file_messages.h"
#include "studies/affinite_doc.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"
#include "studies/study_info.h"
#include "study_bytes.h"

#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <limits>

using namespace study_bytes;

namespace {

const COleDateTime kBirth(1970, 3, 15);
const COleDateTime kBirth2(1982, 11, 2);
const COleDateTime kStart(2004, 9, 1);

QByteArray ValidFile(int kind)
{
    return File(kind, "Un commentaire", "Claire", "Julien",
                {Date(kBirth), Date(kBirth2), Date(kStart)});
}

// A names list that a refused file must leave exactly as it was.
NamesList OnePerson()
{
    NamesList names;
    names.Append(PersonRecord{QStringLiteral("Existant"), COleDateTime(1950, 1, 1)});
    return names;
}

bool SameList(const NamesList &a, const NamesList &b)
{
    if (a.count != b.count)
        return false;
    for (int i = 0; i < a.count; ++i)
        if (a.records[i].name != b.records[i].name ||
            !(a.records[i].birthDate == b.records[i].birthDate))
            return false;
    return true;
}

} // namespace

class StudyFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exampleOf29Bytes();
    void newStudyComment_data();
    void newStudyComment();
    void commentLengths_data();
    void commentLengths();
    void acceptedLengthForms_data();
    void acceptedLengthForms();
    void emptyNames();
    void everyTruncationIsRefused_data();
    void everyTruncationIsRefused();
    void refusedDates_data();
    void refusedDates();
    void unacceptableLength();
    void roundTrip_data();
    void roundTrip();
    void openAndSaveThroughFiles();
};

void StudyFilesTest::exampleOf29Bytes()
{
    const QByteArray expected = QByteArray::fromHex("03616263" // comment
                                                    "00"       // empty name
                                                    "00000000"
                                                    "00000000800AD940"
                                                    "00000000"
                                                    "00000000E0AAE240");
    QCOMPARE(expected.size(), 29);

    NamesList names;
    COndarisDoc read(names);
    QCOMPARE(Read(read, expected), QString());
    QCOMPARE(read.comment, QStringLiteral("abc"));
    QCOMPARE(read.name, QString());
    QCOMPARE(read.birthDate, kBirth);
    QCOMPARE(read.startDate, kStart);
    QCOMPARE(read.birthText, QStringLiteral("15/03/1970"));
    QCOMPARE(read.birthWeekday, QStringLiteral("Dimanche"));
    QCOMPARE(read.startText, QStringLiteral("01/09/2004"));
    QCOMPARE(read.startDay - read.birthDay, 12589);
    QVERIFY(!read.IsModified());

    QCOMPARE(Write(read), expected);
}

void StudyFilesTest::newStudyComment_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray curve = "\x2B"
                             "Aucun commentaire \xE0 propos de cette courbe.";
    QTest::newRow("bio") << 0 << curve;
    QTest::newRow("bi2") << 1 << curve;
    QTest::newRow("aff") << 2
                         << QByteArray("\x2E"
                                       "Aucun commentaire \xE0 propos de cet histogramme.");
}

// A new study saved before any comment is written keeps its default comment, byte for byte.
void StudyFilesTest::newStudyComment()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, bytes);
    NamesList names;
    const auto study = Make(kind, names);
    QCOMPARE(Write(*study).left(bytes.size()), bytes);
}

void StudyFilesTest::commentLengths_data()
{
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QByteArray>("prefix");
    QTest::newRow("empty") << QString() << QByteArray::fromHex("00");
    QTest::newRow("default, 43") << kCurveComment << QByteArray::fromHex("2B");
    QTest::newRow("254") << QString(254, QLatin1Char('x')) << QByteArray::fromHex("FE");
    QTest::newRow("255") << QString(255, QLatin1Char('x')) << QByteArray::fromHex("FFFF00");
    QTest::newRow("300") << QString(300, QLatin1Char('x')) << QByteArray::fromHex("FF2C01");
}

void StudyFilesTest::commentLengths()
{
    QFETCH(QString, comment);
    QFETCH(QByteArray, prefix);
    for (int kind = 0; kind < 3; ++kind) {
        NamesList names;
        const auto source = Make(kind, names);
        QCOMPARE(Read(*source, ValidFile(kind)), QString());
        auto *doc = qobject_cast<COndarisDoc *>(source.get());
        auto *doc2 = qobject_cast<COndarisDoc2 *>(source.get());
        auto *doc3 = qobject_cast<COndarisDoc3 *>(source.get());
        (doc ? doc->comment : doc2 ? doc2->comment : doc3->comment) = comment;

        const QByteArray bytes = Write(*source);
        QVERIFY(bytes.startsWith(prefix));
        QCOMPARE(bytes.mid(prefix.size(), comment.size()), comment.toLatin1());
        // Only the comment differs from the file that was read.
        QCOMPARE(bytes.mid(prefix.size() + comment.size()), ValidFile(kind).mid(15));

        const auto reread = Make(kind, names);
        QCOMPARE(Read(*reread, bytes), QString());
        QCOMPARE(StudyInfoJson(*reread), StudyInfoJson(*source));
    }
}

void StudyFilesTest::acceptedLengthForms_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("8-bit") << QByteArray::fromHex("03616263") << QStringLiteral("abc");
    QTest::newRow("16-bit") << QByteArray::fromHex("FF0300616263") << QStringLiteral("abc");
    QTest::newRow("32-bit") << QByteArray::fromHex("FFFFFF03000000616263") << QStringLiteral("abc");
    QTest::newRow("64-bit") << QByteArray::fromHex("FFFFFFFFFFFFFF0300000000000000616263")
                            << QStringLiteral("abc");
    QTest::newRow("16-bit characters")
        << QByteArray::fromHex("FFFEFF03610062006300") << QStringLiteral("abc");
    QTest::newRow("16-bit characters, long form")
        << QByteArray::fromHex("FFFEFFFFFFFF02000000E900E000") << QStringLiteral("éà");
    QTest::newRow("Windows-1252 bytes") << QByteArray::fromHex("03E9809C") << QStringLiteral("é€œ");
}

// Other programs may have written the texts in any length form that reading accepts.
void StudyFilesTest::acceptedLengthForms()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);
    NamesList names;
    COndarisDoc3 doc(names);
    const QByteArray bytes = text + Text("Claire") + Date(kBirth) + text + Date(kBirth2);
    QCOMPARE(Read(doc, bytes), QString());
    QCOMPARE(doc.comment, expected);
    QCOMPARE(doc.name2, expected);
    QCOMPARE(names.records[1].name, expected);
}

void StudyFilesTest::emptyNames()
{
    NamesList names;
    COndarisDoc2 doc(names);
    const QByteArray bytes = File(1, "", "", "", {Date(kBirth), Date(kBirth2), Date(kStart)});
    QCOMPARE(Read(doc, bytes), QString());
    QCOMPARE(doc.name1, QString());
    QCOMPARE(doc.name2, QString());
    QCOMPARE(doc.comment, QString());
    QCOMPARE(Write(doc), bytes);
    QCOMPARE(bytes.left(2), QByteArray::fromHex("0000"));
}

void StudyFilesTest::everyTruncationIsRefused_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("bio") << 0;
    QTest::newRow("bi2") << 1;
    QTest::newRow("aff") << 2;
}

void StudyFilesTest::everyTruncationIsRefused()
{
    QFETCH(int, kind);
    // A long comment puts the 16-bit length form among the cuts too.
    const QByteArray whole = File(kind, QByteArray(300, 'c'), "Claire", "Julien",
                                  {Date(kBirth), Date(kBirth2), Date(kStart)});
    for (qsizetype size = 0; size < whole.size(); ++size) {
        NamesList names = OnePerson();
        const auto doc = Make(kind, names);
        const QJsonObject before = StudyInfoJson(*doc);
        QCOMPARE(Read(*doc, whole.left(size)), file_messages::UnexpectedFormat());
        QVERIFY2(SameList(names, OnePerson()), qPrintable(QString::number(size)));
        QCOMPARE(StudyInfoJson(*doc), before);
    }
    NamesList names = OnePerson();
    QCOMPARE(Read(*Make(kind, names), whole), QString());
    // Bytes after the last item are not read; such a file still opens.
    QCOMPARE(Read(*Make(kind, names), whole + "xyz"), QString());
}

void StudyFilesTest::refusedDates_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("date");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double firstDay = COleDateTime(100, 1, 1).m_dt;
    const double lastDay = COleDateTime(9999, 12, 31).m_dt;
    QTest::newRow("bio birth, status invalid") << 0 << 0 << Date(kBirth.m_dt, 1);
    QTest::newRow("bio birth, status null") << 0 << 0 << Date(kBirth.m_dt, 2);
    QTest::newRow("bio start, status -1") << 0 << 2 << Date(kStart.m_dt, -1);
    QTest::newRow("bio start, NaN") << 0 << 2 << Date(nan);
    QTest::newRow("bi2 birth 2, +inf") << 1 << 1 << Date(inf);
    QTest::newRow("bi2 start, -inf") << 1 << 2 << Date(-inf);
    QTest::newRow("bi2 birth 1, year 99") << 1 << 0 << Date(firstDay - 1);
    QTest::newRow("aff birth 2, year 10000") << 2 << 1 << Date(lastDay + 1);
    QTest::newRow("aff birth 1, huge") << 2 << 0 << Date(1e300);
}

void StudyFilesTest::refusedDates()
{
    QFETCH(int, kind);
    QFETCH(int, position);
    QFETCH(QByteArray, date);
    QList<QByteArray> dates{Date(kBirth), Date(kBirth2), Date(kStart)};
    dates[position] = date;
    NamesList names = OnePerson();
    const auto doc = Make(kind, names);
    QCOMPARE(Read(*doc, File(kind, "c", "Claire", "Julien", dates)),
             file_messages::UnexpectedFormat());
    QVERIFY(SameList(names, OnePerson()));
}

void StudyFilesTest::unacceptableLength()
{
    NamesList names = OnePerson();
    COndarisDoc doc(names);
    const QByteArray bytes =
        QByteArray::fromHex("FFFFFFFFFFFFFF0000008000000000") + QByteArray(64, 'a');
    QCOMPARE(Read(doc, bytes), file_messages::OpenFailed());
    QVERIFY(SameList(names, OnePerson()));
}

void StudyFilesTest::roundTrip_data()
{
    everyTruncationIsRefused_data();
}

// Writing what was read gives the same bytes, and reading them again the same members.
void StudyFilesTest::roundTrip()
{
    QFETCH(int, kind);
    const QByteArray bytes = File(kind, "Deux lignes\r\nde commentaire", "Claire", "Julien",
                                  {Date(kBirth.m_dt + 0.75), Date(kBirth2), Date(-1000.25)});
    NamesList names;
    const auto first = Make(kind, names);
    QCOMPARE(Read(*first, bytes), QString());
    QCOMPARE(Write(*first), bytes);
    const auto second = Make(kind, names);
    QCOMPARE(Read(*second, Write(*first)), QString());
    QCOMPARE(StudyInfoJson(*second), StudyInfoJson(*first));
}

void StudyFilesTest::openAndSaveThroughFiles()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("étude.bi2"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ValidFile(1));
    }
    NamesList names;
    COndarisDoc2 doc(names);
    QCOMPARE(doc.ReadFile(path), QString());
    QCOMPARE(doc.GetTitle(), QStringLiteral("étude.bi2"));
    QVERIFY(!doc.IsModified());

    doc.SetModifiedFlag();
    const QString copy = dir.filePath(QStringLiteral("copie.bi2"));
    QCOMPARE(doc.WriteFile(copy), QString());
    QVERIFY(!doc.IsModified());
    QFile written(copy);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), ValidFile(1));
}

QTEST_MAIN_FRENCH(StudyFilesTest)
#include "study_files_test.moc"
