#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>

// What became of the studies a later start handed over.
struct HandOverOutcome
{
    enum class Kind {
        NotTaken, // no program took them: the later start opens them itself
        Opened,   // the running program opened them, or some of them
        NotOpened // the running program took them and could open none
    };
    Kind kind = Kind::NotTaken;
    // Why studies could not be opened, in French, one line each; may come with Opened too.
    QString reason;
};

// The hand-over between starts of the program, as the program sees it once the hand-over module
// is loaded (see SingleInstance, which it is made of).
class HandOverChannel
{
public:
    virtual ~HandOverChannel() = default;

    // Hands the files to the program already running and waits for what became of them, as long
    // as that program answers; `say` hears, in French, why it waits and when it gives up.
    virtual HandOverOutcome HandOver(const QStringList &files,
                                     std::function<void(const QString &note)> say) = 0;
    // Takes the files of later starts from now on and opens them with `open`; `waiting` hears
    // whether later starts wait for a calm moment. False when another live program holds the
    // socket or it cannot be made.
    virtual bool Listen(std::function<HandOverOutcome(const QStringList &files)> open,
                        std::function<void(bool waiting)> waiting) = 0;
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
ondaris_open_hand_over_channel_v2(const QString &serverName);
inline constexpr char kOpenHandOverChannelEntry[] = "ondaris_open_hand_over_channel_v2";
