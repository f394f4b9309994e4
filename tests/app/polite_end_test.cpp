#include "lifecycle/polite_end.h"

#include <QSignalSpy>
#include <QTest>
#include <csignal>

// The signals of a logout, a kill, Ctrl+C, a closed terminal and Ctrl+\ reach the program as one
// request through its event loop.
class PoliteEndTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void signalsAskOnceForTheEnd_data();
    void signalsAskOnceForTheEnd();
    void anIgnoredSignalStaysIgnored();
};

namespace {

enum class Action { Default, Ignored, Handled };

Action Disposition(int number)
{
    struct sigaction now = {};
    sigaction(number, nullptr, &now);
    if (now.sa_handler == SIG_DFL)
        return Action::Default;
    return now.sa_handler == SIG_IGN ? Action::Ignored : Action::Handled;
}

} // namespace

void PoliteEndTest::signalsAskOnceForTheEnd_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("SIGTERM (logout, kill)") << SIGTERM;
    QTest::newRow("SIGINT (Ctrl+C)") << SIGINT;
    QTest::newRow("SIGHUP (a closed terminal)") << SIGHUP;
    QTest::newRow("SIGQUIT (Ctrl+\\)") << SIGQUIT;
}

void PoliteEndTest::signalsAskOnceForTheEnd()
{
    QFETCH(int, number);
    {
        PoliteEnd end;
        QSignalSpy requested(&end, &PoliteEnd::requested);
        QCOMPARE(Disposition(number), Action::Handled);
        std::raise(number);
        QVERIFY(!end.IsRequested()); // the handler only left a note for the loop
        QTRY_COMPARE(requested.count(), 1);
        QVERIFY(end.IsRequested());

        std::raise(number);
        std::raise(number == SIGTERM ? SIGINT : SIGTERM);
        QTest::qWait(50);
        QCOMPARE(requested.count(), 1);
    }
    // Once it is gone, the signal has its default action again.
    QCOMPARE(Disposition(number), Action::Default);
}

void PoliteEndTest::anIgnoredSignalStaysIgnored()
{
    // A shell starts its background jobs with SIGINT ignored.
    std::signal(SIGINT, SIG_IGN);
    {
        PoliteEnd end;
        QSignalSpy requested(&end, &PoliteEnd::requested);
        QCOMPARE(Disposition(SIGINT), Action::Ignored);
        std::raise(SIGINT);
        QTest::qWait(50);
        QCOMPARE(requested.count(), 0);
    }
    QCOMPARE(Disposition(SIGINT), Action::Ignored);
    std::signal(SIGINT, SIG_DFL);
}

QTEST_MAIN(PoliteEndTest)
#include "polite_end_test.moc"
