#include "common/exact.h"
#include "common/french_locale.h"
#include "framework/file_messages.h"
#include "studies/affinite_doc.h"
#include "studies/groupe_doc.h"
#include "study_bytes.h"

#include <QTest>

using namespace study_bytes;

namespace {

constexpr int kGroupKind = 3;

struct Member
{
    QByteArray name;
    COleDateTime birth;
};

const QList<Member> kFamily = {
    {"Claire", COleDateTime(1970, 3, 15)},  {"Julien", COleDateTime(1968, 7, 2)},
    {"L\xE9o", COleDateTime(1999, 12, 31)}, {"", COleDateTime(2004, 2, 29)},
    {"Zo\xE9", COleDateTime(1970, 4, 17)},
};

QByteArray GroupFile(const QByteArray &comment, const QList<Member> &members,
                     qint32 version = CGroupeDoc::kFileVersion)
{
    QByteArray out = Int32(version) + Text(comment) + Int32(qint32(members.size()));
    for (const Member &member : members)
        out += Text(member.name) + Date(member.birth);
    return out;
}

NamesList OnePerson()
{
    NamesList names;
    names.Append(PersonRecord{QStringLiteral("Existant"), COleDateTime(1950, 1, 1)});
    return names;
}

} // namespace

class GroupeDocTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scoresAreTheAffiniteStudysOwn();
    void roundTrip_data();
    void roundTrip();
    void refusedFiles_data();
    void refusedFiles();
    void everyTruncationIsRefused();
    void membersAreRegistered();
    void typeIsRegistered();
};

void GroupeDocTest::scoresAreTheAffiniteStudysOwn()
{
    NamesList names;
    CGroupeDoc group(names);
    QCOMPARE(Read(group, GroupFile("", kFamily)), QString());
    const auto n = int(kFamily.size());
    QCOMPARE(int(group.pairs.size()), n * (n - 1) / 2);
    for (const GroupPair &pair : group.pairs)
        QVERIFY(pair.person1 < pair.person2);
    for (int a = 0; a < n; ++a) {
        for (int b = 0; b < n; ++b) {
            if (a == b)
                continue;
            NamesList own;
            COndarisDoc3 affinite(own);
            const QByteArray aff = Text("") + Text(kFamily[a].name) + Date(kFamily[a].birth) +
                                   Text(kFamily[b].name) + Date(kFamily[b].birth);
            QCOMPARE(Read(affinite, aff), QString());
            const GroupPair &pair = group.Pair(a, b);
            QCOMPARE(&pair, &group.Pair(b, a));
            QCOMPARE(Exact(pair.scores.intellectual), Exact(affinite.scoreIntellectual));
            QCOMPARE(Exact(pair.scores.sentimental), Exact(affinite.scoreSentimental));
            QCOMPARE(Exact(pair.scores.physical), Exact(affinite.scorePhysical));
            QCOMPARE(Exact(pair.scores.average), Exact(affinite.scoreAverage));
            QCOMPARE(pair.scores.textIntellectual, affinite.textIntellectual);
            QCOMPARE(pair.scores.textSentimental, affinite.textSentimental);
            QCOMPARE(pair.scores.textPhysical, affinite.textPhysical);
            QCOMPARE(pair.scores.textAverage, affinite.textAverage);
        }
    }
    // Each member's best partner is among the others, with the highest average of its pairs.
    for (int member = 0; member < n; ++member) {
        const int partner = group.BestPartner(member);
        QVERIFY(partner != member);
        for (int other = 0; other < n; ++other) {
            if (other != member)
                QVERIFY(group.Pair(member, other).scores.average <=
                        group.Pair(member, partner).scores.average);
        }
    }
}

void GroupeDocTest::roundTrip_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("a family") << GroupFile("Un commentaire\r\nsur deux lignes", kFamily);
    QTest::newRow("two, empty comment") << GroupFile("", kFamily.mid(0, 2));
    QList<Member> hundred;
    for (int i = 0; i < 100; ++i)
        hundred.append({"Membre " + QByteArray::number(i), COleDateTime(1900 + i, 1 + i % 12, 1)});
    QTest::newRow("a hundred") << GroupFile(QByteArray(300, 'c'), hundred);
}

void GroupeDocTest::roundTrip()
{
    QFETCH(QByteArray, file);
    NamesList names;
    CGroupeDoc group(names);
    QCOMPARE(Read(group, file), QString());
    QCOMPARE(Write(group), file);
}

void GroupeDocTest::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    const QString unexpected = file_messages::UnexpectedFormat();
    QTest::newRow("empty") << QByteArray() << unexpected;
    QTest::newRow("version 0") << GroupFile("", kFamily, 0) << unexpected;
    QTest::newRow("version 2") << GroupFile("", kFamily, 2) << unexpected;
    QTest::newRow("one member") << GroupFile("", kFamily.mid(0, 1)) << unexpected;
    QByteArray negative = GroupFile("", kFamily.mid(0, 2));
    negative.replace(5, 4, Int32(-2));
    QTest::newRow("a negative count") << negative << unexpected;
    QByteArray tooMany = GroupFile("", kFamily.mid(0, 2));
    tooMany.replace(5, 4, Int32(101));
    QTest::newRow("101 members announced") << tooMany << unexpected;
    QTest::newRow("fewer members than announced")
        << GroupFile("", kFamily).left(GroupFile("", kFamily).size() - 13) << unexpected;
    QList<Member> badDate = kFamily.mid(0, 2);
    badDate[1].birth = COleDateTime(0.0, 1);
    QTest::newRow("an invalid birth date") << GroupFile("", badDate) << unexpected;
    // A comment that announces 2^40 bytes: refused before anything is allocated.
    QTest::newRow("a text past any container")
        << Int32(1) + QByteArray::fromHex("FFFFFFFFFFFFFF0000000001000000") + QByteArray(8, 0)
        << file_messages::OpenFailed();
}

void GroupeDocTest::refusedFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    NamesList names = OnePerson();
    CGroupeDoc group(names);
    QCOMPARE(Read(group, file), message);
    QCOMPARE(names.count, 1);
    QVERIFY(group.members.isEmpty());
    QCOMPARE(group.comment, kGroupComment);
}

void GroupeDocTest::everyTruncationIsRefused()
{
    const QByteArray file = GroupFile("Commentaire", kFamily);
    for (qsizetype size = 0; size < file.size(); ++size) {
        NamesList names = OnePerson();
        CGroupeDoc group(names);
        QCOMPARE(Read(group, file.left(size)), file_messages::UnexpectedFormat());
        QCOMPARE(names.count, 1);
    }
}

void GroupeDocTest::membersAreRegistered()
{
    NamesList names = OnePerson();
    // The list holds one member already, under its own birth date, which it keeps.
    names.Append(PersonRecord{QStringLiteral("Julien"), COleDateTime(1900, 1, 1)});
    CGroupeDoc group(names);
    QCOMPARE(Read(group, GroupFile("", kFamily)), QString());
    QVERIFY(!group.IsModified());
    QCOMPARE(names.count, 2 + 4);
    QCOMPARE(names.records[1].birthDate.m_dt, COleDateTime(1900, 1, 1).m_dt);
    QCOMPARE(names.records[2].name, QStringLiteral("Claire"));
    QCOMPARE(names.records[3].name, QStringLiteral("Léo"));
    QCOMPARE(names.records[4].name, QString());
    QCOMPARE(names.records[5].name, QStringLiteral("Zoé"));
    QCOMPARE(group.members.at(2).birthText, QStringLiteral("31/12/1999"));
    QCOMPARE(group.members.at(2).birthWeekday, QStringLiteral("Vendredi"));
}

void GroupeDocTest::typeIsRegistered()
{
    NamesList names;
    const std::unique_ptr<CDocument> document = Make(kGroupKind, names);
    QVERIFY(qobject_cast<CGroupeDoc *>(document.get()));
    const StudyType *type = StudyTypeOfFile(QStringLiteral("famille.GRP"));
    QVERIFY(type);
    QCOMPARE(type->resourceId, 132);
}

QTEST_MAIN_FRENCH(GroupeDocTest)
#include "groupe_doc_test.moc"
