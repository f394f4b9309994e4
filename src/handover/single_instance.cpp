#include "handover/single_instance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QtEndian>
#include <utility>

namespace {

// A message is a 32-bit big-endian byte count, then the paths in UTF-8, each ended by a NUL
// (the one character no path can hold). The running program answers with one byte once it has
// taken them; before that, with another when they are to wait for a calm moment. The framing is
// ours because QDataStream would trust a list's announced size.
constexpr qint64 HeaderSize = 4;
constexpr quint32 MaxPayload = 1024 * 1024;
constexpr char Accepted = '\x06';
constexpr char ToWait = '\x16';

QByteArray encode(const QStringList &files)
{
    QByteArray payload;
    for (const QString &file : files) {
        payload += file.toUtf8();
        payload += '\0';
    }
    QByteArray message(HeaderSize, Qt::Uninitialized);
    qToBigEndian<quint32>(quint32(payload.size()), message.data());
    return message + payload;
}

QStringList decode(const QByteArray &payload)
{
    QStringList files;
    for (const QByteArray &part : payload.split('\0')) {
        const QString file = QString::fromUtf8(part);
        // The sender's working directory is unknown here, so a relative path names nothing.
        if (!file.isEmpty() && QDir::isAbsolutePath(file))
            files << QDir::cleanPath(file);
    }
    return files;
}

} // namespace

SingleInstance::SingleInstance(const QString &serverName, QObject *parent)
    : QObject(parent), m_serverName(serverName)
{
}

bool SingleInstance::handOver(const QStringList &files, int timeoutMs) const
{
    QStringList absolute;
    for (const QString &file : files) {
        if (!file.isEmpty())
            absolute << QFileInfo(file).absoluteFilePath();
    }
    const QByteArray message = encode(absolute);
    if (message.size() - HeaderSize > MaxPayload)
        return false;

    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    socket.write(message);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            return false;
    }
    char answer = 0;
    for (;;) {
        while (socket.bytesAvailable() < 1) {
            // The running program has answered that it is there: its files need only a calm
            // moment, however long the user keeps a dialog open.
            const int waitMs = answer == ToWait ? -1 : int(deadline.remainingTime());
            if (!socket.waitForReadyRead(waitMs))
                return false;
        }
        if (!socket.getChar(&answer))
            return false;
        if (answer != ToWait)
            return answer == Accepted;
    }
}

bool SingleInstance::listen()
{
    if (isListening())
        return true;
    // Qt makes a user-only socket aside and moves it over the name, which would silently take the
    // name from a live program: ask first. A socket file that no one answers was left by a crash.
    QLocalSocket probe;
    probe.connectToServer(m_serverName);
    if (probe.waitForConnected(500))
        return false;
    QLocalServer::removeServer(m_serverName);

    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return m_server->listen(m_serverName);
}

bool SingleInstance::isListening() const
{
    return m_server && m_server->isListening();
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        // Never hold more than one whole message, whatever the other end sends.
        socket->setReadBufferSize(HeaderSize + MaxPayload);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
    }
}

void SingleInstance::readMessage(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < HeaderSize)
        return;
    const quint32 size = qFromBigEndian<quint32>(socket->peek(HeaderSize).constData());
    if (size > MaxPayload) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    if (socket->bytesAvailable() < HeaderSize + size)
        return;
    socket->skip(HeaderSize);
    m_waiting << Waiting{socket, decode(socket->read(size))};
    if (!isReady()) {
        socket->putChar(ToWait);
        socket->flush();
    }
    takeWaiting();
}

bool SingleInstance::isReady() const
{
    return !m_holding && (!m_ready || m_ready());
}

void SingleInstance::takeWaiting()
{
    while (!m_waiting.isEmpty() && isReady()) {
        const Waiting next = m_waiting.takeFirst();
        // A later start that stopped waiting has opened its files itself.
        if (!next.socket || next.socket->state() != QLocalSocket::ConnectedState)
            continue;
        // Answer before opening anything: opening may show a message box, and the later start
        // must not wait for the user to close it.
        next.socket->putChar(Accepted);
        next.socket->flush();
        next.socket->disconnectFromServer();
        Q_EMIT filesReceived(next.files);
    }
}

void SingleInstance::hold()
{
    m_holding = true;
}

void SingleInstance::release()
{
    m_holding = false;
    takeWaiting();
}

void SingleInstance::setReady(std::function<bool()> ready)
{
    m_ready = std::move(ready);
}

void SingleInstance::stop()
{
    m_waiting.clear();
    // Its sockets go with it, unanswered: their starts open their files themselves.
    delete m_server;
    m_server = nullptr;
}
