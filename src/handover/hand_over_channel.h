#pragma once

#include <QStringList>
#include <QtGlobal>
#include <functional>

// The hand-over between starts of the program, as the program sees it once the hand-over module
// is loaded (see SingleInstance, which it is made of).
class HandOverChannel
{
public:
    virtual ~HandOverChannel() = default;

    // Hands the files to the program already running; false when none took them in time.
    virtual bool HandOver(const QStringList &files) = 0;
    // Takes the files of later starts from now on and gives them to `received`; false when
    // another live program holds the socket or it cannot be made.
    virtual bool Listen(std::function<void(const QStringList &files)> received) = 0;
    // While the program is still starting, keeps what later starts hand over until Release().
    virtual void Hold() = 0;
    virtual void Release() = 0;
    // Whether the program can take files now; those that came while it could not wait, and
    // their starts with them, until TakeWaiting() finds it ready.
    virtual void SetReady(std::function<bool()> ready) = 0;
    virtual void TakeWaiting() = 0;
    // Stops taking files; the starts still waiting are told that theirs were not taken.
    virtual void Stop() = 0;
};

// The module's one entry point: a channel over the socket of that name. Defined extern "C" by the
// module with this very declaration (a definition that drifts from it does not compile) and found
// by the program under this name; the version in the name changes with the interface above, so that
// a module file of another version is refused.
extern "C" Q_DECL_EXPORT HandOverChannel *
ondaris_open_hand_over_channel_v1(const QString &serverName);
inline constexpr char kOpenHandOverChannelEntry[] = "ondaris_open_hand_over_channel_v1";
