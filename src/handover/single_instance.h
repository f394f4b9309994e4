#pragma once

#include "handover/hand_over_channel.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

class QLocalServer;
class QLocalSocket;

// One running Ondaris per user. A later start hands the study files it was given to the program
// that is already running, over a local socket that only the same user can reach, and ends with
// what became of them.
//
// Each study has one owner, whichever side gives up first: the running program offers to take
// the files once it can open them, and opens them only when the later start confirms that it is
// still waiting; a later start that has given up has closed its end, and its files are dropped
// unopened. A later start waits as long as the running program says every second that it is
// there (a dialog open), and stops waiting after a silence (a stopped or hung program).
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    using Say = std::function<void(const QString &note)>;
    using Opener = std::function<HandOverOutcome(const QStringList &files)>;

    // How long a later start waits before saying why, and how long it hears nothing from the
    // running program before it opens its files itself.
    static constexpr int kSayWhyMs = 1000;
    static constexpr int kSilenceMs = 10000;

    explicit SingleInstance(const QString &serverName, QObject *parent = nullptr);

    QString serverName() const { return m_serverName; }

    // Hands `files` (made absolute against the current directory) to the running program and
    // waits for what became of them. NotTaken when no program answers, when the running one is
    // silent for `silenceMs` before it took them (the later start has then withdrawn them), or
    // when it ends or stops listening first: the caller then starts on its own. `say` hears why
    // the start waits once that lasts, and when it gives up. An empty list only asks the running
    // program to come forward.
    HandOverOutcome handOver(const QStringList &files, const Say &say = {},
                             int silenceMs = kSilenceMs) const;

    // Starts taking the files of later starts, opened with `open` in the order they came. False
    // when a live program already holds the socket or the socket cannot be made; a socket left
    // by a program that crashed is replaced.
    bool listen(Opener open);
    bool isListening() const;

    // While the program is still starting, keeps what later starts hand over and opens it on
    // release().
    void hold();
    void release();

    // Whether the program can take files now (no dialog open, not quitting); while it cannot,
    // they wait as while holding, until takeWaiting() finds it ready.
    void setReady(std::function<bool()> ready);
    void takeWaiting();

    // Stops taking files: the later starts still waiting are told that theirs were not taken.
    void stop();

Q_SIGNALS:
    // Later starts wait for the program to be ready, or no longer do.
    void waitingChanged(bool waiting);

private:
    struct Waiting
    {
        QPointer<QLocalSocket> socket;
        QStringList files;
        bool offered = false;
        bool confirmed = false;
    };

    void acceptConnections();
    void readFrom(QLocalSocket *socket);
    bool readMessage(QLocalSocket *socket);
    bool isReady() const;
    void sayStillHere();
    void noteWaiting();

    QString m_serverName;
    QLocalServer *m_server = nullptr;
    Opener m_open;
    bool m_holding = false;
    std::function<bool()> m_ready;
    QList<Waiting> m_waiting;
    QTimer m_stillHere;
    bool m_saidWaiting = false;
};
