#include "lifecycle/instance_link.h"

#include "framework/modules.h"
#include "lifecycle/application_bus.h"
#include "lifecycle/bus_hand_over.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <utility>

namespace {

QString UserName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("LOGNAME");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    for (QChar &c : name) {
        if (!c.isLetterOrNumber() && c != u'-' && c != u'_')
            c = u'_';
    }
    return name;
}

// Where the local socket of that name is a file: a bare name is made in the temporary folder.
QString SocketFile(const QString &serverName)
{
    return QDir::isAbsolutePath(serverName) ? serverName : QDir::temp().filePath(serverName);
}

// A window that is never shown (a start minimised by the desktop) must not keep later starts
// waiting for ever.
constexpr int kListenAnywayMs = 2000;

} // namespace

InstanceLink::InstanceLink(QObject *parent) : InstanceLink(DefaultServerName(), parent) {}

InstanceLink::InstanceLink(const QString &serverName, QObject *parent)
    : QObject(parent), m_serverName(serverName)
{
}

InstanceLink::~InstanceLink() = default;

QString InstanceLink::DefaultServerName()
{
    const QString name = QStringLiteral("ondaris-") + UserName();
    // The runtime directory belongs to the user alone, so no one else can hold the name first.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return name;
    return QDir(runtime).filePath(name);
}

HandOverChannel *InstanceLink::Channel()
{
    if (m_channel)
        return m_channel.get();
    const auto open = HandOverModule();
    if (!open)
        return nullptr;
    m_channel.reset(open.function(m_serverName));
    return m_channel.get();
}

HandOverOutcome InstanceLink::HandOver(const QStringList &files, const Say &say)
{
    const Say tell = say ? say : [](const QString &note) {
        std::fputs(QStringLiteral("Ondaris : %1\n").arg(note).toLocal8Bit().constData(), stderr);
    };
    const std::optional<HandOverOutcome> onBus = HandOverOnBus(files, tell);
    const HandOverOutcome outcome = onBus ? *onBus : HandOverBySocket(files, tell);
    for (const QString &reason : outcome.reason.split(u'\n', Qt::SkipEmptyParts))
        tell(reason);
    return outcome;
}

HandOverOutcome InstanceLink::HandOverBySocket(const QStringList &files, const Say &say)
{
    // No socket file, no program to answer: the usual start loads nothing.
    if (!QFileInfo::exists(SocketFile(m_serverName)))
        return {};
    HandOverChannel *channel = Channel();
    return channel != nullptr ? channel->HandOver(files, say) : HandOverOutcome{};
}

void InstanceLink::OpenWith(Opener open)
{
    m_open = std::move(open);
}

void InstanceLink::ListenOnceShown()
{
    m_holding = true;
    m_waitingForWindow = true;
    qApp->installEventFilter(this);
    QTimer::singleShot(kListenAnywayMs, this, &InstanceLink::Listen);
}

bool InstanceLink::eventFilter(QObject *watched, QEvent *event)
{
    // The last modal dialog has gone; its caller finishes before the files are opened.
    if (watched == m_window && event->type() == QEvent::WindowUnblocked)
        QMetaObject::invokeMethod(this, &InstanceLink::TakeWaiting, Qt::QueuedConnection);
    if (m_waitingForWindow && event->type() == QEvent::Expose) {
        const auto *window = qobject_cast<QWindow *>(watched);
        if (window != nullptr && window->isExposed()) {
            // After the window has drawn itself.
            m_waitingForWindow = false;
            QMetaObject::invokeMethod(this, &InstanceLink::Listen, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

void InstanceLink::Listen()
{
    if (m_listening)
        return;
    m_listening = true;
    m_waitingForWindow = false;
    qApp->removeEventFilter(this);
    const auto open = [this](const QStringList &files) {
        return m_open ? m_open(files) : HandOverOutcome{};
    };
    // On the session bus, as the desktop expects; the socket, and the network library that it
    // needs, only where there is no bus.
    if (QDBusConnection::sessionBus().isConnected()) {
        m_bus = std::make_unique<ApplicationBus>([this]() { return !m_holding && IsCalm(); }, open,
                                                 [this]() {
                                                     if (m_window && m_window->isVisible())
                                                         BringToFront(m_window);
                                                 },
                                                 [this](bool waiting) { ShowWaiting(waiting); });
        // Another program owns the name: it takes the later starts.
        if (!m_bus->Register())
            m_bus.reset();
        return;
    }
    HandOverChannel *channel = Channel();
    if (channel == nullptr)
        return;
    if (m_holding)
        channel->Hold();
    if (m_window)
        channel->SetReady([this]() { return IsCalm(); });
    channel->Listen(open, [this](bool waiting) { ShowWaiting(waiting); });
}

void InstanceLink::Release()
{
    m_holding = false;
    if (m_channel)
        m_channel->Release();
    if (m_bus)
        m_bus->TakeWaiting();
}

void InstanceLink::TakeWhenCalm(QWidget *window)
{
    m_window = window;
    window->installEventFilter(this);
    if (m_channel)
        m_channel->SetReady([this]() { return IsCalm(); });
    ShowWaiting(m_laterStartsWait);
}

bool InstanceLink::IsCalm() const
{
    return m_window && m_window->isVisible() && QApplication::activeModalWidget() == nullptr;
}

void InstanceLink::TakeWaiting()
{
    if (m_channel)
        m_channel->TakeWaiting();
    if (m_bus)
        m_bus->TakeWaiting();
}

void InstanceLink::StopListening()
{
    // Nor does a listening still to come start.
    m_listening = true;
    m_waitingForWindow = false;
    qApp->removeEventFilter(this);
    if (m_channel)
        m_channel->Stop();
    m_bus.reset();
}

QString InstanceLink::WaitingMessage()
{
    return QStringLiteral(
        "Un autre lancement d'Ondaris attend la fermeture de la boîte de dialogue.");
}

void InstanceLink::ShowWaiting(bool waiting)
{
    m_laterStartsWait = waiting;
    auto *frame = qobject_cast<QMainWindow *>(m_window.data());
    // A window already closed by a quit stays closed.
    if (frame == nullptr || !frame->isVisible())
        return;
    QStatusBar *bar = frame->statusBar();
    if (!waiting) {
        if (bar->currentMessage() == WaitingMessage())
            bar->clearMessage();
        return;
    }
    bar->showMessage(WaitingMessage());
    BringToFront(frame);
    // The dialog that holds the files up is what the user has to answer.
    if (QWidget *modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void InstanceLink::BringToFront(QWidget *window)
{
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
    // Where the desktop refuses to hand over the focus, the window at least asks for attention.
    QApplication::alert(window);
}
