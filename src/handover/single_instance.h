#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

class QLocalServer;
class QLocalSocket;

// One running Ondaris per user. A later start hands the study files it was given to the program
// that is already running, over a local socket that only the same user can reach, and ends; the
// running program is told through filesReceived.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &serverName, QObject *parent = nullptr);

    QString serverName() const { return m_serverName; }

    // Hands `files` (made absolute against the current directory) to the running program and
    // waits until it has taken them. False when no program answers within `timeoutMs`, or when
    // it ends before it takes them: the caller then starts on its own. A program that answers
    // that the files wait for a calm moment is waited for as long as it takes. An empty list
    // only asks the running program to come forward.
    bool handOver(const QStringList &files, int timeoutMs = 3000) const;

    // Starts taking the files of later starts. False when a live program already holds the
    // socket or the socket cannot be made; a socket left by a program that crashed is replaced.
    bool listen();
    bool isListening() const;

    // While the program is still starting, keeps what later starts hand over and gives it out
    // through filesReceived on release(). A later start is told that its files were taken only
    // when they are given out.
    void hold();
    void release();

    // Whether the program can take files now (no dialog open, not quitting); while it cannot,
    // they wait as while holding, until takeWaiting() finds it ready.
    void setReady(std::function<bool()> ready);
    void takeWaiting();

    // Stops taking files: the later starts still waiting are told that theirs were not taken.
    void stop();

Q_SIGNALS:
    // The absolute paths a later start was given, in its order; empty when it was given none.
    void filesReceived(const QStringList &files);

private:
    void acceptConnections();
    void readMessage(QLocalSocket *socket);
    bool isReady() const;

    struct Waiting
    {
        QPointer<QLocalSocket> socket;
        QStringList files;
    };

    QString m_serverName;
    QLocalServer *m_server = nullptr;
    bool m_holding = false;
    std::function<bool()> m_ready;
    QList<Waiting> m_waiting;
};
