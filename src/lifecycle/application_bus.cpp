#include "lifecycle/application_bus.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QUrl>
#include <QVariantMap>
#include <utility>

namespace {

// The interface that desktops call on a program whose entry says DBusActivatable.
class FreedesktopApplication : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit FreedesktopApplication(ApplicationBus &bus) : QDBusAbstractAdaptor(&bus), m_bus(bus) {}

public Q_SLOTS:
    void Activate(const QVariantMap &platformData)
    {
        Q_UNUSED(platformData);
        m_bus.Activate();
    }
    void Open(const QStringList &uris, const QVariantMap &platformData, const QDBusMessage &call)
    {
        Q_UNUSED(platformData);
        m_bus.Open(uris, call);
    }
    void ActivateAction(const QString &name, const QVariantList &parameter,
                        const QVariantMap &platformData, const QDBusMessage &call)
    {
        Q_UNUSED(parameter);
        Q_UNUSED(platformData);
        m_bus.ActivateAction(name, call);
    }

private:
    ApplicationBus &m_bus;
};

} // namespace

ApplicationBus::ApplicationBus(std::function<bool()> calm, Opener open,
                               std::function<void()> activate,
                               std::function<void(bool waiting)> waiting, QObject *parent)
    : QObject(parent), m_calm(std::move(calm)), m_open(std::move(open)),
      m_activate(std::move(activate)), m_noteWaiting(std::move(waiting))
{
    new FreedesktopApplication(*this);
}

ApplicationBus::~ApplicationBus()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    for (const Waiting &waiting : std::as_const(m_waiting)) {
        // Not a failure to open: a later start that hears it opens its files itself.
        bus.send(waiting.call.createErrorReply(QStringLiteral("fr.velmora.ondaris.Error.Closing"),
                                               QStringLiteral("Ondaris se ferme.")));
    }
    if (m_registered) {
        bus.unregisterService(QString::fromLatin1(kServiceName));
        bus.unregisterObject(QString::fromLatin1(kObjectPath));
    }
}

bool ApplicationBus::Register()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.registerObject(QString::fromLatin1(kObjectPath), this))
        return false;
    if (!bus.registerService(QString::fromLatin1(kServiceName))) {
        bus.unregisterObject(QString::fromLatin1(kObjectPath));
        return false;
    }
    m_registered = true;
    return true;
}

void ApplicationBus::Activate()
{
    m_activate();
}

void ApplicationBus::Open(const QStringList &uris, const QDBusMessage &call)
{
    QStringList files;
    for (const QString &uri : uris) {
        const QUrl url(uri);
        // A desktop gives file URIs; a plain absolute path is taken as well.
        const QString file = url.isLocalFile() ? url.toLocalFile() : uri;
        if (file.startsWith(u'/'))
            files << file;
    }
    // Answered once the studies are open: the caller is told what became of them.
    call.setDelayedReply(true);
    m_waiting << Waiting{call, files};
    TakeWaiting();
}

void ApplicationBus::ActivateAction(const QString &name, const QDBusMessage &call)
{
    // The desktop entry declares no action.
    call.setDelayedReply(true);
    QDBusConnection::sessionBus().send(call.createErrorReply(
        QDBusError::InvalidArgs, QStringLiteral("Action inconnue : « %1 ».").arg(name)));
}

void ApplicationBus::TakeWaiting()
{
    while (!m_waiting.isEmpty() && m_calm()) {
        const Waiting next = m_waiting.takeFirst();
        const HandOverOutcome outcome = m_open(next.files);
        QDBusConnection::sessionBus().send(
            outcome.kind == HandOverOutcome::Kind::Opened
                ? next.call.createReply()
                : next.call.createErrorReply(QDBusError::Failed, outcome.reason));
    }
    const bool waiting = !m_waiting.isEmpty();
    if (waiting != m_saidWaiting) {
        m_saidWaiting = waiting;
        m_noteWaiting(waiting);
    }
}

#include "application_bus.moc"
