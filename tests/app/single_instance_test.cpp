#include "handover/single_instance.h"
#include "lifecycle/instance_link.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <QtEndian>
#include <array>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

// The later start blocks until the running program answers, as it does before it has any window;
// here both ends live in one process, so the later start runs on a thread of its own while this
// thread's event loop serves the running one. `notes` hears what the later start says.
static HandOverOutcome handOverFromLaterStart(const SingleInstance &later, const QStringList &files,
                                              int silenceMs = SingleInstance::kSilenceMs,
                                              QStringList *notes = nullptr)
{
    HandOverOutcome outcome;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        outcome = later.handOver(
            files, [notes](const QString &note) { notes ? void(*notes << note) : void(); },
            silenceMs);
    }));
    thread->start();
    while (!thread->isFinished())
        QTest::qWait(5);
    thread->wait();
    return outcome;
}

static bool opened(const HandOverOutcome &outcome)
{
    return outcome.kind == HandOverOutcome::Kind::Opened;
}

// The running program's side: what it was given to open, and what it answers.
struct Received
{
    QList<QStringList> files;
    HandOverOutcome outcome{HandOverOutcome::Kind::Opened, {}};

    SingleInstance::Opener opener()
    {
        return [this](const QStringList &given) {
            files << given;
            return outcome;
        };
    }
};

static QByteArray header(quint32 size)
{
    QByteArray bytes(4, Qt::Uninitialized);
    qToBigEndian<quint32>(size, bytes.data());
    return bytes;
}

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nameIsTheUsersOwn();
    void startsAloneWhenNoProgramRuns();
    void handsFilesToTheRunningProgram_data();
    void handsFilesToTheRunningProgram();
    void relativePathsAreResolvedByTheLaterStart();
    void socketIsReachableByTheUserOnly();
    void replacesASocketLeftByACrash();
    void leavesALiveProgramItsSocket();
    void refusesBadMessages_data();
    void refusesBadMessages();
    void takesAMessageThatArrivesInPieces();
    void oneOwnerPerStudy_data();
    void oneOwnerPerStudy();
    void anOfferNotConfirmedOpensNothing();
    void tellsTheLaterStartWhatBecameOfItsStudies_data();
    void tellsTheLaterStartWhatBecameOfItsStudies();
    void filesWaitForACalmMoment_data();
    void filesWaitForACalmMoment();
    void bringsAMinimisedWindowToFront();
};

void SingleInstanceTest::nameIsTheUsersOwn()
{
    // The test runner gives every test a private runtime directory of its own.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString name = InstanceLink::DefaultServerName();
    QCOMPARE(QFileInfo(name).absolutePath(), QFileInfo(runtime).absoluteFilePath());
    QVERIFY(QFileInfo(name).fileName().startsWith(u"ondaris-"_s));
}

void SingleInstanceTest::startsAloneWhenNoProgramRuns()
{
    SingleInstance first(InstanceLink::DefaultServerName());
    QVERIFY(!opened(first.handOver({u"/tmp/a.bio"_s}, {}, 1000)));
    QVERIFY(first.listen({}));
    QVERIFY(first.isListening());
}

void SingleInstanceTest::handsFilesToTheRunningProgram_data()
{
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("received");

    QTest::newRow("one study") << QStringList{u"/home/jean/Jean.bio"_s}
                               << QStringList{u"/home/jean/Jean.bio"_s};
    QTest::newRow("several, in order") << QStringList{u"/e/b.bi2"_s, u"/e/a.aff"_s, u"/e/c.bio"_s}
                                       << QStringList{u"/e/b.bi2"_s, u"/e/a.aff"_s, u"/e/c.bio"_s};
    QTest::newRow("blanks, accents, line break")
        << QStringList{u"/home/jean/Mes études/Zoé et Loïc.bi2"_s, u"/tmp/deux\nlignes.aff"_s}
        << QStringList{u"/home/jean/Mes études/Zoé et Loïc.bi2"_s, u"/tmp/deux\nlignes.aff"_s};
    QTest::newRow("dot segments") << QStringList{u"/e/./x/../a.bio"_s}
                                  << QStringList{u"/e/a.bio"_s};
    QTest::newRow("no file: only come forward") << QStringList{} << QStringList{};
    QTest::newRow("empty argument ignored")
        << QStringList{u""_s, u"/e/a.bio"_s} << QStringList{u"/e/a.bio"_s};
}

void SingleInstanceTest::handsFilesToTheRunningProgram()
{
    QFETCH(QStringList, given);
    QFETCH(QStringList, received);

    SingleInstance running(InstanceLink::DefaultServerName());
    Received took;
    QVERIFY(running.listen(took.opener()));

    SingleInstance later(InstanceLink::DefaultServerName());
    QVERIFY(opened(handOverFromLaterStart(later, given)));
    QCOMPARE(took.files.size(), 1);
    QCOMPARE(took.files.at(0), received);

    // The running program keeps serving the starts that follow.
    QVERIFY(opened(handOverFromLaterStart(later, {u"/e/next.aff"_s})));
    QCOMPARE(took.files.size(), 2);
    QCOMPARE(took.files.at(1), QStringList{u"/e/next.aff"_s});
}

void SingleInstanceTest::relativePathsAreResolvedByTheLaterStart()
{
    // The later start was launched elsewhere than the running program: only it knows what a
    // relative path meant.
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));

    SingleInstance running(InstanceLink::DefaultServerName());
    Received took;
    QVERIFY(running.listen(took.opener()));
    const bool taken = opened(handOverFromLaterStart(
        SingleInstance(InstanceLink::DefaultServerName()), {u"Jean.bio"_s, u"sous/Marie.aff"_s}));
    QDir::setCurrent(before);

    QVERIFY(taken);
    QCOMPARE(took.files.size(), 1);
    const QString base = QFileInfo(elsewhere.path()).absoluteFilePath();
    QCOMPARE(took.files.at(0), (QStringList{base + u"/Jean.bio"_s, base + u"/sous/Marie.aff"_s}));
}

void SingleInstanceTest::socketIsReachableByTheUserOnly()
{
    SingleInstance running(InstanceLink::DefaultServerName());
    QVERIFY(running.listen({}));
    const QFileInfo socket(running.serverName());
    QVERIFY(socket.exists());
    QCOMPARE(socket.ownerId(), QFileInfo(QDir::homePath()).ownerId());
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(socket.permissions() & others, QFile::Permissions());
}

void SingleInstanceTest::replacesASocketLeftByACrash()
{
    // A program that crashed leaves its socket file behind, with no one listening on it.
    QFile leftOver(InstanceLink::DefaultServerName());
    QVERIFY(leftOver.open(QIODevice::WriteOnly));
    leftOver.close();

    SingleInstance next(InstanceLink::DefaultServerName());
    QVERIFY(!opened(next.handOver({u"/e/a.bio"_s}, {}, 1000)));
    Received took;
    QVERIFY(next.listen(took.opener()));
    QVERIFY(opened(handOverFromLaterStart(SingleInstance(InstanceLink::DefaultServerName()),
                                          {u"/e/a.bio"_s})));
    QCOMPARE(took.files.size(), 1);
}

void SingleInstanceTest::leavesALiveProgramItsSocket()
{
    SingleInstance running(InstanceLink::DefaultServerName());
    Received took;
    QVERIFY(running.listen(took.opener()));

    SingleInstance second(InstanceLink::DefaultServerName());
    QVERIFY(!second.listen({}));
    QVERIFY(!second.isListening());
    QVERIFY(opened(handOverFromLaterStart(SingleInstance(InstanceLink::DefaultServerName()),
                                          {u"/e/a.bio"_s})));
    QCOMPARE(took.files.size(), 1);
}

void SingleInstanceTest::refusesBadMessages_data()
{
    QTest::addColumn<QByteArray>("message");

    QTest::newRow("announces more than a message may hold") << header(1024 * 1024 + 1);
    QTest::newRow("announces four gigabytes") << header(0xFFFFFFFFu) + QByteArray(64, 'x');
    QTest::newRow("ends before its announced size") << header(20) + QByteArray("/e/a.bio");
}

void SingleInstanceTest::refusesBadMessages()
{
    QFETCH(QByteArray, message);

    SingleInstance running(InstanceLink::DefaultServerName());
    Received took;
    QVERIFY(running.listen(took.opener()));

    {
        QLocalSocket intruder;
        intruder.connectToServer(running.serverName());
        QVERIFY(intruder.waitForConnected(1000));
        intruder.write(message);
        intruder.flush();
        QTest::qWait(50);
        QCOMPARE(intruder.bytesAvailable(), 0);
    }
    QTest::qWait(50);
    QCOMPARE(took.files.size(), 0);

    QVERIFY(opened(handOverFromLaterStart(SingleInstance(InstanceLink::DefaultServerName()),
                                          {u"/e/a.bio"_s})));
    QCOMPARE(took.files.size(), 1);
}

void SingleInstanceTest::takesAMessageThatArrivesInPieces()
{
    SingleInstance running(InstanceLink::DefaultServerName());
    Received took;
    QVERIFY(running.listen(took.opener()));

    const QByteArray payload =
        QByteArray("/e/a.bio") + '\0' + "relative.bi2" + '\0' + "/e/b.aff" + '\0';
    const QByteArray message = header(quint32(payload.size())) + payload;
    QLocalSocket sender;
    sender.connectToServer(running.serverName());
    QVERIFY(sender.waitForConnected(1000));
    for (qsizetype at = 0; at < message.size(); at += 3) {
        sender.write(message.mid(at, 3));
        sender.flush();
        QTest::qWait(2);
    }
    // Offered, but not opened before the later start confirms that it still waits.
    QTRY_COMPARE(sender.bytesAvailable(), 1);
    QCOMPARE(sender.read(1), QByteArray("\x05"));
    QTest::qWait(50);
    QCOMPARE(took.files.size(), 0);
    sender.write("\x06");
    sender.flush();
    QTRY_COMPARE(took.files.size(), 1);
    // A path without its starting point names nothing in the running program.
    QCOMPARE(took.files.at(0), (QStringList{u"/e/a.bio"_s, u"/e/b.aff"_s}));
    QTRY_COMPARE(sender.bytesAvailable(), 1);
    QCOMPARE(sender.read(1), QByteArray("\x06"));
}

void SingleInstanceTest::oneOwnerPerStudy_data()
{
    QTest::addColumn<int>("stoppedMs");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QStringList>("said");

    // The running program's thread serves no event meanwhile, as a program stopped by SIGSTOP:
    // the later start is connected and has written, but hears nothing.
    QTest::newRow("running program resumes in time")
        << 1500 << true << QStringList{u"ne répond pas ; sans réponse d'ici 2 secondes"_s};
    QTest::newRow("later start gives up first")
        << 4000 << false
        << QStringList{u"ne répond pas"_s, u"n'a pas répondu : ce lancement ouvre sa propre"_s};
}

void SingleInstanceTest::oneOwnerPerStudy()
{
    QFETCH(int, stoppedMs);
    QFETCH(bool, taken);
    QFETCH(QStringList, said);
    constexpr int silenceMs = 3000;

    SingleInstance running(InstanceLink::DefaultServerName());
    Received took;
    QVERIFY(running.listen(took.opener()));

    HandOverOutcome outcome;
    QStringList notes;
    std::unique_ptr<QThread> later(QThread::create([&] {
        outcome = SingleInstance(InstanceLink::DefaultServerName())
                      .handOver(
                          {u"/e/a.bio"_s}, [&](const QString &note) { notes << note; }, silenceMs);
    }));
    later->start();
    QThread::msleep(stoppedMs);
    QTRY_VERIFY_WITH_TIMEOUT(later->isFinished(), 15000);
    later->wait();
    // Whatever the resumed program then reads of a withdrawn message, it opens nothing.
    QTest::qWait(300);

    QCOMPARE(opened(outcome), taken);
    QCOMPARE(took.files.size(), taken ? 1 : 0);
    QCOMPARE(notes.size(), said.size());
    for (qsizetype i = 0; i < said.size(); ++i)
        QVERIFY2(notes.at(i).contains(said.at(i)), qPrintable(notes.at(i)));
}

void SingleInstanceTest::anOfferNotConfirmedOpensNothing()
{
    // The later start gave up as the offer came: it closes without confirming.
    SingleInstance running(InstanceLink::DefaultServerName());
    Received took;
    QVERIFY(running.listen(took.opener()));
    {
        QLocalSocket sender;
        sender.connectToServer(running.serverName());
        QVERIFY(sender.waitForConnected(1000));
        const QByteArray payload = QByteArray("/e/a.bio") + '\0';
        sender.write(header(quint32(payload.size())) + payload);
        sender.flush();
        QTRY_COMPARE(sender.bytesAvailable(), 1);
        QCOMPARE(sender.read(1), QByteArray("\x05"));
    }
    QTest::qWait(300);
    QCOMPARE(took.files.size(), 0);
    QVERIFY(opened(handOverFromLaterStart(SingleInstance(InstanceLink::DefaultServerName()),
                                          {u"/e/b.bio"_s})));
    QCOMPARE(took.files, QList<QStringList>{{u"/e/b.bio"_s}});
}

void SingleInstanceTest::tellsTheLaterStartWhatBecameOfItsStudies_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("opened") << int(HandOverOutcome::Kind::Opened) << QString();
    QTest::newRow("some opened, one not")
        << int(HandOverOutcome::Kind::Opened)
        << u"Impossible d'ouvrir l'étude « /e/b.bio » : Format de fichier inattendu."_s;
    QTest::newRow("none opened")
        << int(HandOverOutcome::Kind::NotOpened)
        << u"Impossible d'ouvrir l'étude « /e/a.bio » : Format de fichier inattendu.\n"
           u"Impossible d'ouvrir l'étude « /e/b.bio » : L'ouverture du document a échoué."_s;
}

void SingleInstanceTest::tellsTheLaterStartWhatBecameOfItsStudies()
{
    QFETCH(int, kind);
    QFETCH(QString, reason);
    SingleInstance running(InstanceLink::DefaultServerName());
    Received took;
    took.outcome = {HandOverOutcome::Kind(kind), reason};
    QVERIFY(running.listen(took.opener()));

    const HandOverOutcome outcome = handOverFromLaterStart(
        SingleInstance(InstanceLink::DefaultServerName()), {u"/e/a.bio"_s, u"/e/b.bio"_s});
    QCOMPARE(int(outcome.kind), kind);
    QCOMPARE(outcome.reason, reason);
}

void SingleInstanceTest::filesWaitForACalmMoment_data()
{
    QTest::addColumn<bool>("starting");
    QTest::addColumn<bool>("stopped");
    QTest::newRow("while starting, then released") << true << false;
    QTest::newRow("while not ready, then ready") << false << false;
    QTest::newRow("while starting, then stopped") << true << true;
    QTest::newRow("while not ready, then stopped") << false << true;
}

void SingleInstanceTest::filesWaitForACalmMoment()
{
    QFETCH(bool, starting);
    QFETCH(bool, stopped);
    SingleInstance running(InstanceLink::DefaultServerName());
    bool ready = starting;
    running.setReady([&ready]() { return ready; });
    if (starting)
        running.hold();
    Received took;
    QVERIFY(running.listen(took.opener()));
    QSignalSpy waiting(&running, &SingleInstance::waitingChanged);

    // Two later starts, each on a thread of its own and left running while this thread's loop
    // serves the running program.
    const QList<QStringList> handed{{u"/e/a.bio"_s}, {u"/e/b.bi2"_s, u"/e/c.aff"_s}};
    std::array<bool, 2> taken{};
    std::array<QStringList, 2> notes;
    std::vector<std::unique_ptr<QThread>> laterStarts;
    for (qsizetype i = 0; i < handed.size(); ++i) {
        laterStarts.emplace_back(QThread::create([&taken, &notes, &handed, i] {
            taken[size_t(i)] = opened(
                SingleInstance(InstanceLink::DefaultServerName())
                    .handOver(
                        handed.at(i),
                        [&notes, i](const QString &note) { notes[size_t(i)] << note; }, 3000));
        }));
        laterStarts.back()->start();
        QTest::qWait(100);
    }
    QTRY_COMPARE(waiting.size(), 1);
    QCOMPARE(waiting.at(0).at(0).toBool(), true);
    // Told to wait, they wait past the silence they allow a program, which says it is there.
    QTest::qWait(3300);
    for (const auto &later : laterStarts)
        QVERIFY(!later->isFinished());
    QCOMPARE(took.files.size(), 0);

    if (stopped) {
        running.stop();
    } else if (starting) {
        running.release();
    } else {
        ready = true;
        running.takeWaiting();
    }
    for (const auto &later : laterStarts) {
        QTRY_VERIFY_WITH_TIMEOUT(later->isFinished(), 5000);
        later->wait();
    }
    // Their starts are told that the files were taken only when they are; else they open them.
    QCOMPARE(taken[0], !stopped);
    QCOMPARE(taken[1], !stopped);
    // Each said why it waited, once.
    QCOMPARE(notes[0], QStringList{u"le programme déjà ouvert attend la fermeture d'une boîte de "
                                   u"dialogue ; il ouvrira ensuite « a.bio »."_s});
    QCOMPARE(notes[1], QStringList{u"le programme déjà ouvert attend la fermeture d'une boîte de "
                                   u"dialogue ; il ouvrira ensuite « b.bi2 », « c.aff »."_s});
    QCOMPARE(waiting.size(), 2);
    QCOMPARE(waiting.at(1).at(0).toBool(), false);
    QCOMPARE(took.files.size(), stopped ? 0 : 2);
    if (!stopped) {
        QCOMPARE(took.files.at(0), handed.at(0));
        QCOMPARE(took.files.at(1), handed.at(1));
        QVERIFY(opened(handOverFromLaterStart(SingleInstance(InstanceLink::DefaultServerName()),
                                              {u"/e/d.bio"_s})));
        QCOMPARE(took.files.size(), 3);
    }
}

void SingleInstanceTest::bringsAMinimisedWindowToFront()
{
    QWidget window;
    window.showMinimized();
    QVERIFY(window.isMinimized());
    InstanceLink::BringToFront(&window);
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
}

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
