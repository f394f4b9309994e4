#include "lifecycle/instance_link.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <cstring>
#include <functional>
#include <link.h>
#include <memory>

using namespace Qt::StringLiterals;

// The hand-over as the program uses it: its module (and the network library) is loaded only when
// a running program may answer, or once the first window is shown; what later starts hand over
// while the program is still starting waits for Release(), and the later starts with it.
class InstanceLinkTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listensOnceAWindowIsShownAndHoldsUntilReleased();
};

namespace {

int CountNetwork(dl_phdr_info *info, size_t, void *count)
{
    if (info->dlpi_name != nullptr && std::strstr(info->dlpi_name, "libQt6Network") != nullptr)
        ++*static_cast<int *>(count);
    return 0;
}

bool NetworkLoaded()
{
    int count = 0;
    dl_iterate_phdr(CountNetwork, &count);
    return count > 0;
}

// A later start blocks until the running program has taken its files; here the running one is
// served by this thread's event loop, so the later one runs on a thread of its own. `meanwhile`
// runs once the later start has had the time to be answered.
bool HandOverFromLaterStart(const QStringList &files, const std::function<void()> &meanwhile = {})
{
    bool taken = false;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        InstanceLink later;
        taken = later.HandOver(files).kind == HandOverOutcome::Kind::Opened;
    }));
    thread->start();
    if (meanwhile) {
        QTest::qWait(200);
        meanwhile();
    }
    while (!thread->isFinished())
        QTest::qWait(5);
    thread->wait();
    return taken;
}

} // namespace

void InstanceLinkTest::listensOnceAWindowIsShownAndHoldsUntilReleased()
{
    const QString socket = InstanceLink::DefaultServerName();
    InstanceLink running;
    // No program runs: nothing to hand over to, and nothing loaded to find it out.
    QCOMPARE(running.HandOver({u"/e/a.bio"_s}).kind, HandOverOutcome::Kind::NotTaken);
    QVERIFY(!NetworkLoaded());

    running.ListenOnceShown();
    QTest::qWait(100);
    QVERIFY(!QFileInfo::exists(socket));
    QVERIFY(!NetworkLoaded());

    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(QFileInfo::exists(socket));
    QVERIFY(NetworkLoaded());

    QList<QStringList> received;
    running.OpenWith([&received](const QStringList &files) {
        received << files;
        return HandOverOutcome{HandOverOutcome::Kind::Opened, {}};
    });
    // The later start waits until the program has started and taken its files.
    QVERIFY(HandOverFromLaterStart({u"/e/a.bio"_s}, [&]() {
        QCOMPARE(received.size(), 0);
        running.Release();
    }));
    QCOMPARE(received.size(), 1);
    QCOMPARE(received.at(0), QStringList{u"/e/a.bio"_s});

    QVERIFY(HandOverFromLaterStart({u"/e/b.bi2"_s, u"/e/c.aff"_s}));
    QCOMPARE(received.size(), 2);
    QCOMPARE(received.at(1), (QStringList{u"/e/b.bi2"_s, u"/e/c.aff"_s}));
}

QTEST_MAIN(InstanceLinkTest)
#include "instance_link_test.moc"
