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

    bool HandOver(const QStringList &files) override { return m_instance.handOver(files); }
    bool Listen(std::function<void(const QStringList &files)> received) override
    {
        QObject::connect(&m_instance, &SingleInstance::filesReceived, &m_instance,
                         std::move(received));
        return m_instance.listen();
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

extern "C" HandOverChannel *ondaris_open_hand_over_channel_v1(const QString &serverName)
{
    return new SocketChannel(serverName);
}
