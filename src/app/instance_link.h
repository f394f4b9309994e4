#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

class HandOverChannel;
class QWidget;

// One running Ondaris per user: a later start hands the study files it was given to the program
// already running and ends. The socket code comes from the hand-over module, loaded only when a
// running program may be there to answer, and by the running program once its first window is
// shown: the network library it needs would cost every start.
class InstanceLink : public QObject
{
    Q_OBJECT
public:
    explicit InstanceLink(QObject *parent = nullptr);
    explicit InstanceLink(const QString &serverName, QObject *parent = nullptr);
    ~InstanceLink() override;

    // The socket of the current user, in the user's private runtime directory.
    static QString DefaultServerName();

    // Hands `files` to the program already running; false when there is none or it did not take
    // them, and the caller starts on its own.
    bool HandOver(const QStringList &files);

    // Takes the files of later starts once a first window has been shown, keeping them until
    // Release(), while the program is still starting.
    void ListenOnceShown();
    void Release();

    // Brings a window of this program in front of the others, out of its minimised state.
    static void BringToFront(QWidget *window);

Q_SIGNALS:
    // The absolute paths a later start was given, in its order; empty when it was given none.
    void filesReceived(const QStringList &files);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    HandOverChannel *Channel();
    void Listen();

    QString m_serverName;
    std::unique_ptr<HandOverChannel> m_channel;
    bool m_waitingForWindow = false;
    bool m_holding = false;
    bool m_listening = false;
};
