#include "lifecycle/polite_end.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A closed terminal sends SIGHUP, Ctrl+\ SIGQUIT: the work is kept as for a logout.
constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP, SIGQUIT};

// Read by the notifier, written by the handler.
int g_readEnd = -1;
int g_writeEnd = -1;

void OnSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already says enough; the write end never blocks.
    [[maybe_unused]] const ssize_t written = ::write(g_writeEnd, &byte, 1);
    errno = saved;
}

bool OpenPipe()
{
    int ends[2];
    if (::pipe(ends) != 0)
        return false;
    for (const int end : ends) {
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
        ::fcntl(end, F_SETFL, O_NONBLOCK);
    }
    g_readEnd = ends[0];
    g_writeEnd = ends[1];
    return true;
}

void ClosePipe()
{
    ::close(g_readEnd);
    ::close(g_writeEnd);
    g_readEnd = g_writeEnd = -1;
}

} // namespace

PoliteEnd::PoliteEnd(QObject *parent) : QObject(parent)
{
    if (g_readEnd >= 0 || !OpenPipe())
        return;
    m_notifier = new QSocketNotifier(g_readEnd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PoliteEnd::Take);

    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kSignals) {
        struct sigaction before = {};
        if (::sigaction(number, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
            ::sigaction(number, &action, nullptr);
    }
}

PoliteEnd::~PoliteEnd()
{
    if (!m_notifier)
        return;
    for (const int number : kSignals) {
        struct sigaction now = {};
        if (::sigaction(number, nullptr, &now) == 0 && now.sa_handler == OnSignal)
            ::signal(number, SIG_DFL);
    }
    delete m_notifier;
    ClosePipe();
}

void PoliteEnd::Take()
{
    char bytes[16];
    while (::read(g_readEnd, bytes, sizeof bytes) > 0) {
    }
    if (m_requested)
        return;
    m_requested = true;
    Q_EMIT requested();
}

#else

// Elsewhere the platform's own end stays as it is.
PoliteEnd::PoliteEnd(QObject *parent) : QObject(parent) {}
PoliteEnd::~PoliteEnd() = default;
void PoliteEnd::Take() {}

#endif
