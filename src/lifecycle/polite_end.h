#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT, SIGHUP and SIGQUIT (a logout, `kill`, Ctrl+C, a closed terminal,
// Ctrl+\) into `requested`, emitted from the event loop like any other event, so that the
// program ends through its usual path and no write is cut short. The handler only writes a byte
// to a pipe. A signal that was ignored when the program started (a background job of a shell)
// stays ignored. One instance at a time.
class PoliteEnd : public QObject
{
    Q_OBJECT
public:
    explicit PoliteEnd(QObject *parent = nullptr);
    // Gives the signals back their default action.
    ~PoliteEnd() override;
    PoliteEnd(const PoliteEnd &) = delete;
    PoliteEnd &operator=(const PoliteEnd &) = delete;

    bool IsRequested() const { return m_requested; }
    // The end asked for could not be made (a recovery copy not written): the next signal asks
    // again.
    void Rearm() { m_requested = false; }

Q_SIGNALS:
    // Once, at the first signal; the later ones change nothing until Rearm().
    void requested();

private:
    void Take();

    QSocketNotifier *m_notifier = nullptr;
    bool m_requested = false;
};
