#include "handover/single_instance.h"

#include "handover/hand_over_notes.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QtEndian>
#include <algorithm>
#include <utility>

namespace {

// A later start sends a 32-bit big-endian byte count, then the paths in UTF-8, each ended by a
// NUL (the one character no path can hold); the framing is ours because QDataStream would trust
// a list's announced size. The running program then answers with single bytes: StillHere while
// the files wait for a calm moment, Offer once it can open them. The later start answers an
// offer with Confirm, and only then are the files the running program's: it opens them and
// answers Opened or NotOpened, followed by the reasons in UTF-8 up to the end of the connection.
// A later start of the former protocol takes an offer for a refusal and opens its files itself,
// which the running program, never confirmed, leaves alone; a running program of the former
// protocol answers Opened at once.
constexpr qint64 HeaderSize = 4;
constexpr quint32 MaxPayload = 1024 * 1024;
constexpr qint64 MaxReason = 64 * 1024;
constexpr char Confirm = '\x06';
constexpr char Opened = '\x06';
constexpr char NotOpened = '\x15';
constexpr char StillHere = '\x16';
constexpr char Offer = '\x05';
constexpr int StillHereEveryMs = 1000;

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

QString SilentNote(qint64 remainingMs)
{
    return QStringLiteral("le programme déjà ouvert ne répond pas ; sans réponse d'ici %1 "
                          "secondes, ce lancement ouvrira sa propre fenêtre.")
        .arg(std::max<qint64>(1, (remainingMs + 999) / 1000));
}

// The rest of the answer, up to the end of the connection.
QString ReadReason(QLocalSocket &socket, int silenceMs)
{
    QByteArray reason = socket.readAll();
    while (reason.size() < MaxReason && socket.state() == QLocalSocket::ConnectedState &&
           socket.waitForReadyRead(silenceMs))
        reason += socket.readAll();
    reason += socket.readAll();
    return QString::fromUtf8(reason.left(MaxReason));
}

} // namespace

SingleInstance::SingleInstance(const QString &serverName, QObject *parent)
    : QObject(parent), m_serverName(serverName)
{
    m_stillHere.setInterval(StillHereEveryMs);
    connect(&m_stillHere, &QTimer::timeout, this, &SingleInstance::sayStillHere);
}

HandOverOutcome SingleInstance::handOver(const QStringList &files, const Say &say,
                                         int silenceMs) const
{
    QStringList absolute;
    for (const QString &file : files) {
        if (!file.isEmpty())
            absolute << QFileInfo(file).absoluteFilePath();
    }
    const QByteArray message = encode(absolute);
    if (message.size() - HeaderSize > MaxPayload)
        return {};

    QDeadlineTimer silence(silenceMs);
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(int(silence.remainingTime())))
        return {};
    socket.write(message);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(int(silence.remainingTime())))
            return {};
    }

    QElapsedTimer waited;
    waited.start();
    bool answered = false;
    bool toldWhy = false;
    bool confirmed = false;
    for (;;) {
        if (socket.bytesAvailable() < 1) {
            // Once the files are confirmed they are the running program's: only its answer, or
            // its end, finishes the wait.
            qint64 waitMs = confirmed ? -1 : silence.remainingTime();
            if (!toldWhy)
                waitMs = std::max<qint64>(0, SingleInstance::kSayWhyMs - waited.elapsed());
            if (!socket.waitForReadyRead(int(waitMs)) && socket.bytesAvailable() < 1) {
                // Closed unanswered: the running program ends or stops listening, and has not
                // opened the files.
                if (socket.state() != QLocalSocket::ConnectedState)
                    return {};
                if (!toldWhy && waited.elapsed() >= SingleInstance::kSayWhyMs) {
                    toldWhy = true;
                    if (say)
                        say(answered ? hand_over_notes::Busy(absolute)
                                     : SilentNote(silence.remainingTime()));
                } else if (!confirmed && silence.hasExpired()) {
                    // Closing withdraws the files: the running program, were it to wake, finds
                    // no one to confirm its offer and opens nothing.
                    socket.abort();
                    if (say)
                        say(QStringLiteral("le programme déjà ouvert n'a pas répondu : ce "
                                           "lancement ouvre sa propre fenêtre."));
                    return {};
                }
                continue;
            }
        }
        char answer = 0;
        if (!socket.getChar(&answer))
            return {};
        switch (answer) {
        case StillHere:
            answered = true;
            silence.setRemainingTime(silenceMs);
            break;
        case Offer:
            answered = true;
            if (!confirmed) {
                socket.putChar(Confirm);
                if (!socket.waitForBytesWritten(int(silence.remainingTime())))
                    return {};
                confirmed = true;
            }
            break;
        case Opened:
        case NotOpened:
            return {answer == Opened ? HandOverOutcome::Kind::Opened
                                     : HandOverOutcome::Kind::NotOpened,
                    ReadReason(socket, silenceMs)};
        default:
            return {};
        }
    }
}

bool SingleInstance::listen(Opener open)
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

    m_open = std::move(open);
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
        connect(socket, &QLocalSocket::disconnected, this, &SingleInstance::takeWaiting,
                Qt::QueuedConnection);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
    }
}

void SingleInstance::readFrom(QLocalSocket *socket)
{
    const auto known = std::find_if(m_waiting.begin(), m_waiting.end(),
                                    [socket](const Waiting &w) { return w.socket == socket; });
    if (known == m_waiting.end()) {
        if (readMessage(socket))
            takeWaiting();
        return;
    }
    // The later start's answer to the offer; anything else from it is ignored.
    char answer = 0;
    while (socket->getChar(&answer)) {
        if (answer == Confirm && known->offered)
            known->confirmed = true;
    }
    takeWaiting();
}

bool SingleInstance::readMessage(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < HeaderSize)
        return false;
    const quint32 size = qFromBigEndian<quint32>(socket->peek(HeaderSize).constData());
    if (size > MaxPayload) {
        socket->abort();
        socket->deleteLater();
        return false;
    }
    if (socket->bytesAvailable() < HeaderSize + size)
        return false;
    socket->skip(HeaderSize);
    m_waiting << Waiting{socket, decode(socket->read(size))};
    if (!isReady()) {
        socket->putChar(StillHere);
        socket->flush();
    }
    return true;
}

bool SingleInstance::isReady() const
{
    return !m_holding && (!m_ready || m_ready());
}

void SingleInstance::takeWaiting()
{
    // A later start that stopped waiting has opened its files itself.
    m_waiting.removeIf([](const Waiting &w) {
        return !w.socket || w.socket->state() != QLocalSocket::ConnectedState;
    });
    // In the order the starts came: a confirmation still on its way holds up those after it.
    while (isReady() && !m_waiting.isEmpty() && m_waiting.first().confirmed) {
        const Waiting taken = m_waiting.takeFirst();
        const HandOverOutcome outcome = m_open ? m_open(taken.files) : HandOverOutcome{};
        if (!taken.socket)
            continue;
        if (outcome.kind == HandOverOutcome::Kind::NotTaken) {
            taken.socket->abort();
            continue;
        }
        taken.socket->putChar(outcome.kind == HandOverOutcome::Kind::Opened ? Opened : NotOpened);
        taken.socket->write(outcome.reason.toUtf8().left(MaxReason));
        taken.socket->flush();
        taken.socket->disconnectFromServer();
    }
    if (isReady()) {
        for (Waiting &w : m_waiting) {
            if (!w.offered) {
                w.offered = true;
                w.socket->putChar(Offer);
                w.socket->flush();
            }
        }
    }
    noteWaiting();
}

void SingleInstance::sayStillHere()
{
    for (const Waiting &w : std::as_const(m_waiting)) {
        if (w.socket) {
            w.socket->putChar(StillHere);
            w.socket->flush();
        }
    }
}

void SingleInstance::noteWaiting()
{
    if (m_waiting.isEmpty())
        m_stillHere.stop();
    else if (!m_stillHere.isActive())
        m_stillHere.start();
    const bool waiting = !m_waiting.isEmpty() && !isReady();
    if (waiting == m_saidWaiting)
        return;
    m_saidWaiting = waiting;
    Q_EMIT waitingChanged(waiting);
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
    noteWaiting();
    // Its sockets go with it, unanswered: their starts open their files themselves.
    delete m_server;
    m_server = nullptr;
}
