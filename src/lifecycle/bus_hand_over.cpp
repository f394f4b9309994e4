#include "lifecycle/bus_hand_over.h"

#include "handover/hand_over_notes.h"
#include "lifecycle/application_bus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>
#include <QFileInfo>
#include <QScopeGuard>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>
#include <limits>

namespace {

// How long the later start waits before it says why.
constexpr int kSayWhyMs = 1000;
constexpr int kPingMs = 500;

} // namespace

std::optional<HandOverOutcome> HandOverOnBus(const QStringList &files,
                                             const std::function<void(const QString &)> &say)
{
    const QString service = QString::fromLatin1(ApplicationBus::kServiceName);
    const QDBusConnection session = QDBusConnection::sessionBus();
    if (!session.isConnected() || !session.interface()->isServiceRegistered(service))
        return std::nullopt;
    // A connection of the hand-over's own: a peer of the running program even where both share a
    // process, and gone with the hand-over.
    const QString connection =
        QStringLiteral("ondaris-hand-over-%1").arg(quintptr(QThread::currentThreadId()));
    const auto disconnect = qScopeGuard([&]() { QDBusConnection::disconnectFromBus(connection); });
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, connection);

    QStringList absolute;
    QStringList uris;
    for (const QString &file : files) {
        if (file.isEmpty())
            continue;
        absolute << QFileInfo(file).absoluteFilePath();
        uris << QString::fromUtf8(QUrl::fromLocalFile(absolute.last()).toEncoded());
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, QString::fromLatin1(ApplicationBus::kObjectPath),
        QStringLiteral("org.freedesktop.Application"),
        absolute.isEmpty() ? QStringLiteral("Activate") : QStringLiteral("Open"));
    if (!absolute.isEmpty())
        call << uris;
    call << QVariantMap();
    // The running program answers once the files are open, after any dialog the user keeps.
    QDBusPendingCallWatcher watcher(bus.asyncCall(call, std::numeric_limits<int>::max()));
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kSayWhyMs, &loop, [&]() {
        // A program that answers a ping is only busy; one that does not is stopped or hung.
        const QDBusMessage ping =
            bus.call(QDBusMessage::createMethodCall(service, QStringLiteral("/"),
                                                    QStringLiteral("org.freedesktop.DBus.Peer"),
                                                    QStringLiteral("Ping")),
                     QDBus::Block, kPingMs);
        say(ping.type() == QDBusMessage::ReplyMessage
                ? hand_over_notes::Busy(absolute)
                : QStringLiteral("le programme déjà ouvert ne répond pas ; ce lancement attend "
                                 "qu'il reprenne (Ctrl+C pour abandonner)."));
    });
    if (!watcher.isFinished())
        loop.exec();

    const QDBusMessage reply = watcher.reply();
    if (reply.type() == QDBusMessage::ReplyMessage)
        return HandOverOutcome{HandOverOutcome::Kind::Opened, {}};
    if (reply.errorName() == QDBusError::errorString(QDBusError::Failed))
        return HandOverOutcome{HandOverOutcome::Kind::NotOpened, reply.errorMessage()};
    // Gone, or closing, before it took them: it opened nothing.
    return HandOverOutcome{};
}
