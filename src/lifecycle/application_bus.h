#pragma once

#include "handover/hand_over_channel.h"

#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>

// The program on the desktop's session bus, as desktop programs are: the first one owns the name
// of its desktop entry and answers org.freedesktop.Application there, so that the desktop (or
// `gdbus`) opens studies in it and brings it forward. Studies asked for are opened at the calm
// moments the files of later starts are, and the caller is answered once they are.
class ApplicationBus : public QObject
{
    Q_OBJECT
public:
    using Opener = std::function<HandOverOutcome(const QStringList &files)>;

    static constexpr char kServiceName[] = "fr.velmora.ondaris";
    static constexpr char kObjectPath[] = "/fr/velmora/ondaris";

    // `calm` says whether files may be opened now, `open` opens them, `activate` brings the
    // window forward, `waiting` hears whether callers wait for a calm moment.
    ApplicationBus(std::function<bool()> calm, Opener open, std::function<void()> activate,
                   std::function<void(bool waiting)> waiting, QObject *parent = nullptr);
    // Callers still waiting are told that their studies were not opened.
    ~ApplicationBus() override;

    // False when there is no session bus, or another program owns the name.
    bool Register();
    // Opens what waits, if the moment is calm.
    void TakeWaiting();

    // What the bus's callers ask.
    void Activate();
    void Open(const QStringList &uris, const QDBusMessage &call);
    void ActivateAction(const QString &name, const QDBusMessage &call);

private:
    struct Waiting
    {
        QDBusMessage call;
        QStringList files;
    };

    std::function<bool()> m_calm;
    Opener m_open;
    std::function<void()> m_activate;
    std::function<void(bool waiting)> m_noteWaiting;
    QList<Waiting> m_waiting;
    bool m_registered = false;
    bool m_saidWaiting = false;
};
