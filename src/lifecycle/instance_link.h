#pragma once

#include "handover/hand_over_channel.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

class ApplicationBus;
class QWidget;

// One running Ondaris per user: a later start hands the study files it was given to the program
// already running and ends. On the session bus when there is one: the first program owns the
// desktop entry's name and answers org.freedesktop.Application (ApplicationBus), which later
// starts call too. Without a bus, over a local socket whose code comes from the hand-over module,
// loaded only when a running program may be there to answer, and by the running program once its
// first window is shown: the network library it needs would cost every start.
class InstanceLink : public QObject
{
    Q_OBJECT
public:
    explicit InstanceLink(QObject *parent = nullptr);
    explicit InstanceLink(const QString &serverName, QObject *parent = nullptr);
    ~InstanceLink() override;

    // The socket of the current user, in the user's private runtime directory.
    static QString DefaultServerName();

    using Say = std::function<void(const QString &note)>;
    using Opener = std::function<HandOverOutcome(const QStringList &files)>;

    // Hands `files` to the program already running and tells what became of them: NotTaken when
    // there is none, or it did not take them, and the caller starts on its own. Why the start
    // waits, and why studies did not open there, go to `say`, or else to stderr.
    HandOverOutcome HandOver(const QStringList &files, const Say &say = {});

    // How the files of later starts are opened, once taken.
    void OpenWith(Opener open);

    // Takes the files of later starts once a first window has been shown, keeping them until
    // Release(), while the program is still starting.
    void ListenOnceShown();
    void Release();

    // From now on files are taken only at a calm moment: the window shown and no modal dialog
    // open (a dialog works on its own copy of the names list, which a study opened meanwhile
    // would lose its persons to). Those handed over at another moment wait, and their start with
    // them, until the window is no longer blocked; meanwhile the window comes forward and its
    // status bar says why.
    void TakeWhenCalm(QWidget *window);
    // Stops taking files, before the objects that open them go: the starts still waiting open
    // their files themselves.
    void StopListening();

    // Brings a window of this program in front of the others, out of its minimised state.
    static void BringToFront(QWidget *window);

    // What the status bar says while later starts wait.
    static QString WaitingMessage();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    HandOverChannel *Channel();
    HandOverOutcome HandOverBySocket(const QStringList &files, const Say &say);
    void Listen();
    bool IsCalm() const;
    void TakeWaiting();
    void ShowWaiting(bool waiting);

    QString m_serverName;
    Opener m_open;
    std::unique_ptr<ApplicationBus> m_bus;
    std::unique_ptr<HandOverChannel> m_channel;
    QPointer<QWidget> m_window;
    bool m_waitingForWindow = false;
    bool m_holding = false;
    bool m_listening = false;
    bool m_laterStartsWait = false;
};
