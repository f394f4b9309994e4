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
// thread's event loop serves the running one.
static bool handOverFromLaterStart(const SingleInstance &later, const QStringList &files,
                                   int timeoutMs = 3000)
{
    bool taken = false;
    std::unique_ptr<QThread> thread(
        QThread::create([&] { taken = later.handOver(files, timeoutMs); }));
    thread->start();
    while (!thread->isFinished())
        QTest::qWait(5);
    thread->wait();
    return taken;
}

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
    QVERIFY(!first.handOver({u"/tmp/a.bio"_s}, 1000));
    QVERIFY(first.listen());
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
    QVERIFY(running.listen());
    QSignalSpy spy(&running, &SingleInstance::filesReceived);

    SingleInstance later(InstanceLink::DefaultServerName());
    QVERIFY(handOverFromLaterStart(later, given));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toStringList(), received);

    // The running program keeps serving the starts that follow.
    QVERIFY(handOverFromLaterStart(later, {u"/e/next.aff"_s}));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toStringList(), QStringList{u"/e/next.aff"_s});
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
    QVERIFY(running.listen());
    QSignalSpy spy(&running, &SingleInstance::filesReceived);
    const bool taken = handOverFromLaterStart(SingleInstance(InstanceLink::DefaultServerName()),
                                              {u"Jean.bio"_s, u"sous/Marie.aff"_s});
    QDir::setCurrent(before);

    QVERIFY(taken);
    QCOMPARE(spy.count(), 1);
    const QString base = QFileInfo(elsewhere.path()).absoluteFilePath();
    QCOMPARE(spy.at(0).at(0).toStringList(),
             (QStringList{base + u"/Jean.bio"_s, base + u"/sous/Marie.aff"_s}));
}

void SingleInstanceTest::socketIsReachableByTheUserOnly()
{
    SingleInstance running(InstanceLink::DefaultServerName());
    QVERIFY(running.listen());
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
    QVERIFY(!next.handOver({u"/e/a.bio"_s}, 1000));
    QVERIFY(next.listen());
    QSignalSpy spy(&next, &SingleInstance::filesReceived);
    QVERIFY(
        handOverFromLaterStart(SingleInstance(InstanceLink::DefaultServerName()), {u"/e/a.bio"_s}));
    QCOMPARE(spy.count(), 1);
}

void SingleInstanceTest::leavesALiveProgramItsSocket()
{
    SingleInstance running(InstanceLink::DefaultServerName());
    QVERIFY(running.listen());
    QSignalSpy spy(&running, &SingleInstance::filesReceived);

    SingleInstance second(InstanceLink::DefaultServerName());
    QVERIFY(!second.listen());
    QVERIFY(!second.isListening());
    QVERIFY(
        handOverFromLaterStart(SingleInstance(InstanceLink::DefaultServerName()), {u"/e/a.bio"_s}));
    QCOMPARE(spy.count(), 1);
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
    QVERIFY(running.listen());
    QSignalSpy spy(&running, &SingleInstance::filesReceived);

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
    QCOMPARE(spy.count(), 0);

    QVERIFY(
        handOverFromLaterStart(SingleInstance(InstanceLink::DefaultServerName()), {u"/e/a.bio"_s}));
    QCOMPARE(spy.count(), 1);
}

void SingleInstanceTest::takesAMessageThatArrivesInPieces()
{
    SingleInstance running(InstanceLink::DefaultServerName());
    QVERIFY(running.listen());
    QSignalSpy spy(&running, &SingleInstance::filesReceived);

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
    QTRY_COMPARE(spy.count(), 1);
    // A path without its starting point names nothing in the running program.
    QCOMPARE(spy.at(0).at(0).toStringList(), (QStringList{u"/e/a.bio"_s, u"/e/b.aff"_s}));
    QTRY_COMPARE(sender.bytesAvailable(), 1);
    QCOMPARE(sender.read(1), QByteArray("\x06"));
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
    QVERIFY(running.listen());
    QSignalSpy spy(&running, &SingleInstance::filesReceived);

    // Two later starts, each on a thread of its own and left running while this thread's loop
    // serves the running program.
    const QList<QStringList> handed{{u"/e/a.bio"_s}, {u"/e/b.bi2"_s, u"/e/c.aff"_s}};
    std::array<bool, 2> taken{};
    std::vector<std::unique_ptr<QThread>> laterStarts;
    for (qsizetype i = 0; i < handed.size(); ++i) {
        laterStarts.emplace_back(QThread::create([&taken, &handed, i] {
            taken[size_t(i)] =
                SingleInstance(InstanceLink::DefaultServerName()).handOver(handed.at(i), 1000);
        }));
        laterStarts.back()->start();
        QTest::qWait(100);
    }
    // Told to wait, they wait past the time they give a program to answer.
    QTest::qWait(1200);
    for (const auto &later : laterStarts)
        QVERIFY(!later->isFinished());
    QCOMPARE(spy.count(), 0);

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
    QCOMPARE(spy.count(), stopped ? 0 : 2);
    if (!stopped) {
        QCOMPARE(spy.at(0).at(0).toStringList(), handed.at(0));
        QCOMPARE(spy.at(1).at(0).toStringList(), handed.at(1));
        QVERIFY(handOverFromLaterStart(SingleInstance(InstanceLink::DefaultServerName()),
                                       {u"/e/d.bio"_s}));
        QCOMPARE(spy.count(), 3);
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
