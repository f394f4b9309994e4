#include "app_harness.h"
#include "common/message_hook.h"
#include "framework/document.h"

using namespace Qt::StringLiterals;

// The desktop starts the program with every study the user chose ("ondaris %F").
class DesktopStartTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { harness::ResetStore(); }
    void readsTheStudiesNamed_data();
    void readsTheStudiesNamed();
    void opensEveryStudyNamed();
    void keepsStartingWhenOneStudyOfSeveralFails();
    void endsWhenNoStudyNamedOpens();
};

void DesktopStartTest::readsTheStudiesNamed_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("studies");
    QTest::addColumn<QString>("error");

    const auto run = int(CommandLine::Mode::Run);
    const auto error = int(CommandLine::Mode::Error);
    QTest::newRow("none") << QStringList{} << run << QStringList{} << QString();
    QTest::newRow("one") << QStringList{u"a.bio"_s} << run << QStringList{u"a.bio"_s} << QString();
    QTest::newRow("several, in order")
        << QStringList{u"c.aff"_s, u"a.bio"_s, u"b.bi2"_s} << run
        << QStringList{u"c.aff"_s, u"a.bio"_s, u"b.bi2"_s} << QString();
    QTest::newRow("one of them missing")
        << QStringList{u"a.bio"_s, u"absent.bi2"_s} << error << QStringList{}
        << u"Le fichier « absent.bi2 » n'existe pas."_s;
    QTest::newRow("a tool takes one study only")
        << QStringList{u"--export"_s, u"page.pdf"_s, u"a.bio"_s, u"b.bi2"_s} << error
        << QStringList{} << u"Un seul fichier d'étude peut être indiqué."_s;
}

void DesktopStartTest::readsTheStudiesNamed()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, mode);
    QFETCH(QStringList, studies);
    QFETCH(QString, error);

    for (const QString &name : {u"a.bio"_s, u"b.bi2"_s, u"c.aff"_s}) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const CommandLine line = ParseCommandLine(QStringList{u"ondaris"_s} + arguments);
    QCOMPARE(int(line.mode), mode);
    QCOMPARE(line.studies, studies);
    QVERIFY(line.message.startsWith(error));
}

void DesktopStartTest::opensEveryStudyNamed()
{
    const QStringList studies = {
        harness::WriteTwoPersons<COndarisDoc3>(u"Marie et Paul.aff"_s, u"Marie"_s, u"Paul"_s),
        harness::WriteBiorythme(u"Jean.bio"_s, u"Jean"_s, QDate(1980, 5, 17)),
        harness::WriteTwoPersons<COndarisDoc2>(u"Zoé et Loïc.bi2"_s, u"Zoé"_s, u"Loïc"_s),
    };
    const auto app = harness::Start(studies);
    QVERIFY(app);
    QStringList opened;
    for (const CDocument *document : app->Studies().Documents())
        opened << document->GetPathName();
    QCOMPARE(opened, studies);
}

void DesktopStartTest::keepsStartingWhenOneStudyOfSeveralFails()
{
    QFile broken(u"Cassé.bio"_s);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("\x05"
                 "Jean");
    broken.close();
    const QString good = harness::WriteBiorythme(u"Jean.bio"_s, u"Jean"_s, QDate(1980, 5, 17));

    MessageRecorder messages;
    const auto app = harness::Start({u"Cassé.bio"_s, good});
    QVERIFY(app);
    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(app->Studies().Documents().size(), 1);
    QCOMPARE(app->Studies().Documents().first()->GetPathName(), good);
}

void DesktopStartTest::endsWhenNoStudyNamedOpens()
{
    for (const QString &name : {u"Cassé.bio"_s, u"Vide.aff"_s}) {
        QFile broken(name);
        QVERIFY(broken.open(QIODevice::WriteOnly));
    }
    MessageRecorder messages;
    QVERIFY(!harness::Start({u"Cassé.bio"_s, u"Vide.aff"_s}));
    QCOMPARE(messages.shown().size(), 2);
}

QTEST_MAIN(DesktopStartTest)
#include "desktop_start_test.moc"
