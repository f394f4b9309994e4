#include "app_harness.h"
#include "lifecycle/application_bus.h"
#include "lifecycle/instance_link.h"
#include "mainwindow/command_ids.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFileInfo>
#include <QMessageBox>
#include <QStatusBar>
#include <QThread>
#include <atomic>

using namespace harness;
using namespace Qt::StringLiterals;

// Studies handed over by a later start (on the socket, or on the session bus when the test runs
// with one) while a dialog is open, or while the program quits, wait for a calm moment: a dialog
// works on its own copy of the names list, and a closing program has nowhere to open them.
class CalmHandOverTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ResetStore(); }
    void waitsForTheNamesDialog_data();
    void waitsForTheNamesDialog();
    void isLeftToANewStartWhenTheProgramQuits();
};

namespace {

// A later start, on a thread of its own and left running: it waits for the program that this
// thread's event loop serves.
class LaterStart
{
public:
    explicit LaterStart(const QStringList &files)
        : m_thread(QThread::create([this, files] {
              m_taken = InstanceLink().HandOver(files).kind == HandOverOutcome::Kind::Opened;
          }))
    {
        m_thread->start();
    }
    ~LaterStart() { m_thread->wait(); }
    LaterStart(const LaterStart &) = delete;
    LaterStart &operator=(const LaterStart &) = delete;

    bool IsDone() const { return m_thread->isFinished(); }
    bool Taken() const { return m_taken; }

private:
    std::atomic<bool> m_taken = false;
    std::unique_ptr<QThread> m_thread;
};

// The program takes later starts: on the session bus when there is one, else on its socket.
bool Listening()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
        return bus.interface()->isServiceRegistered(
            QString::fromLatin1(ApplicationBus::kServiceName));
    return QFileInfo::exists(InstanceLink::DefaultServerName());
}

// Started as main starts the program: listening once the window is shown, taking the files of
// later starts at a calm moment.
std::unique_ptr<COndarisApp> StartListening(InstanceLink &link)
{
    link.ListenOnceShown();
    auto app = Start();
    if (!app)
        return nullptr;
    app->TakeHandOvers(link);
    link.Release();
    if (!QTest::qWaitFor(Listening))
        qWarning("the program does not listen");
    return app;
}

// Long enough for a later start to be answered and, were it taken, its study opened.
constexpr int kAnswerMs = 300;

} // namespace

void CalmHandOverTest::waitsForTheNamesDialog_data()
{
    QTest::addColumn<bool>("splash");
    QTest::newRow("window first") << false;
    // The splash screen's loop shows the window, and the program listens, before the start
    // has told which window must be calm.
    QTest::newRow("splash screen first") << true;
}

void CalmHandOverTest::waitsForTheNamesDialog()
{
    QFETCH(bool, splash);
    ResetStore(splash);
    // Declared first, so that the program stops listening before its later start is waited for.
    std::unique_ptr<LaterStart> later;
    InstanceLink link;
    const auto app = StartListening(link);
    QVERIFY(app);
    const QString jean = WriteBiorythme(u"Jean.bio"_s, u"Jean"_s, QDate(1980, 5, 17));

    bool openedDuringDialog = true;
    QString saidDuringDialog;
    OnNextModal([&](QDialog *dialog) {
        later = std::make_unique<LaterStart>(QStringList{jean});
        QTest::qWait(kAnswerMs);
        openedDuringDialog = !app->Studies().Documents().isEmpty();
        saidDuringDialog = app->MainFrame()->statusBar()->currentMessage();
        TypeName(dialog, u"1014"_s, u"Zoé"_s);
        Click(dialog, u"1"_s);
    });
    Trigger(*app, cmd::NamesManagement);
    QVERIFY(later);
    QVERIFY(!openedDuringDialog);
    // The window says why nothing opens yet, until it does.
    QCOMPARE(saidDuringDialog, InstanceLink::WaitingMessage());

    // Opened once the dialog is done, and its person registered beside the dialog's.
    QTRY_COMPARE(app->Studies().Documents().size(), 1);
    QCOMPARE(app->Studies().Documents().first()->GetPathName(), jean);
    QTRY_VERIFY(later->IsDone());
    QVERIFY(later->Taken());
    QCOMPARE(app->m_names.count, 2);
    QVERIFY(app->m_names.FindByName(u"Zoé"_s) >= 0);
    QVERIFY(app->m_names.FindByName(u"Jean"_s) >= 0);
    QVERIFY(app->MainFrame()->statusBar()->currentMessage() != InstanceLink::WaitingMessage());
    link.StopListening();
}

void CalmHandOverTest::isLeftToANewStartWhenTheProgramQuits()
{
    std::unique_ptr<LaterStart> later;
    InstanceLink link;
    const auto app = StartListening(link);
    QVERIFY(app);
    const QString anne = WriteBiorythme(u"Anne.bio"_s, u"Anne"_s, QDate(1990, 1, 2));
    const QString jean = WriteBiorythme(u"Jean.bio"_s, u"Jean"_s, QDate(1980, 5, 17));
    app->OpenFiles({anne});
    QCOMPARE(app->Studies().Documents().size(), 1);
    app->Studies().Documents().first()->SetModifiedFlag();

    // The quit question, a real box, answered "No" once a later start has handed its study over.
    QStringList openDuringQuestion;
    OnNextModal([&](QDialog *dialog) {
        later = std::make_unique<LaterStart>(QStringList{jean});
        QTest::qWait(kAnswerMs);
        for (const CDocument *study : app->Studies().Documents())
            openDuringQuestion << study->GetTitle();
        static_cast<QMessageBox *>(dialog)->button(QMessageBox::No)->click();
    });
    app->MainFrame()->close();
    QVERIFY(later);
    QCOMPARE(openDuringQuestion, QStringList{u"Anne.bio"_s});
    QVERIFY(!app->MainFrame()->isVisible());
    QTest::qWait(kAnswerMs);
    // As main does once the window is gone: the later start opens its study itself.
    link.StopListening();
    QTRY_VERIFY(later->IsDone());
    QVERIFY(!later->Taken());
    QTRY_VERIFY(app->Studies().Documents().isEmpty());
}

QTEST_MAIN(CalmHandOverTest)
#include "calm_hand_over_test.moc"
