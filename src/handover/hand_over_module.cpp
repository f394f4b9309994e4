// The module that the program loads when it first needs the hand-over: it alone brings in the
// network library, whose loading would otherwise be paid by every start.
#include "handover/hand_over_channel.h"
#include "handover/single_instance.h"

#include <QtGlobal>
#include <utility>

namespace {

class SocketChannel final : public HandOverChannel
{
public:
    explicit SocketChannel(const QString &serverName) : m_instance(serverName) {}

    HandOverOutcome HandOver(const QStringList &files,
                             std::function<void(const QString &note)> say) override
    {
        return m_instance.handOver(files, say);
    }
    bool Listen(std::function<HandOverOutcome(const QStringList &files)> open,
                std::function<void(bool waiting)> waiting) override
    {
        QObject::connect(&m_instance, &SingleInstance::waitingChanged, &m_instance,
                         std::move(waiting));
        return m_instance.listen(std::move(open));
    }
    void Hold() override { m_instance.hold(); }
    void Release() override { m_instance.release(); }
    void SetReady(std::function<bool()> ready) override { m_instance.setReady(std::move(ready)); }
    void TakeWaiting() override { m_instance.takeWaiting(); }
    void Stop() override { m_instance.stop(); }

private:
    SingleInstance m_instance;
};

} // namespace

extern "C" HandOverChannel *ondaris_open_hand_over_channel_v2(const QString &serverName)
{
    return new SocketChannel(serverName);
}
