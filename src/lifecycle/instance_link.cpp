#include "lifecycle/instance_link.h"

#include "framework/modules.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <QWindow>

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

bool InstanceLink::HandOver(const QStringList &files)
{
    // No socket file, no program to answer: the usual start loads nothing.
    if (!QFileInfo::exists(SocketFile(m_serverName)))
        return false;
    HandOverChannel *channel = Channel();
    return channel != nullptr && channel->HandOver(files);
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
    HandOverChannel *channel = Channel();
    if (channel == nullptr)
        return;
    if (m_holding)
        channel->Hold();
    if (m_window)
        channel->SetReady([this]() { return IsCalm(); });
    channel->Listen([this](const QStringList &files) { Q_EMIT filesReceived(files); });
}

void InstanceLink::Release()
{
    m_holding = false;
    if (m_channel)
        m_channel->Release();
}

void InstanceLink::TakeWhenCalm(QWidget *window)
{
    m_window = window;
    window->installEventFilter(this);
    if (m_channel)
        m_channel->SetReady([this]() { return IsCalm(); });
}

bool InstanceLink::IsCalm() const
{
    return m_window && m_window->isVisible() && QApplication::activeModalWidget() == nullptr;
}

void InstanceLink::TakeWaiting()
{
    if (m_channel)
        m_channel->TakeWaiting();
}

void InstanceLink::StopListening()
{
    // Nor does a listening still to come start.
    m_listening = true;
    m_waitingForWindow = false;
    qApp->removeEventFilter(this);
    if (m_channel)
        m_channel->Stop();
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
