#include "framework/whole_file.h"

#include <QByteArray>
#include <QSaveFile>
#include <cerrno>
#include <unistd.h>

namespace {

std::optional<WriteStage> g_failAt;

// False when the test seam makes this step fail; errno then reads as a full disk.
bool Allowed(WriteStage stage)
{
    if (g_failAt != stage)
        return true;
    errno = ENOSPC;
    return false;
}

} // namespace

std::optional<WriteFailure> WriteWholeFile(const QString &path,
                                           const std::function<bool(QIODevice &)> &fill)
{
    QSaveFile file(path);
    // QSaveFile::commit() renames the temporary file over the target even when flushing its
    // buffer failed, and ignores a failed sync: both are done and checked here first. The
    // temporary file goes with `file` when it is not committed.
    const auto failed = [&file](WriteStage stage) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : qt_error_string(errno);
        file.cancelWriting();
        return WriteFailure{stage, reason};
    };
    if (!Allowed(WriteStage::Open) || !file.open(QIODevice::WriteOnly))
        return failed(WriteStage::Open);
    if (!Allowed(WriteStage::Write) || !fill(file) || file.error() != QFileDevice::NoError)
        return failed(WriteStage::Write);
    if (!Allowed(WriteStage::Flush) || !file.flush())
        return failed(WriteStage::Flush);
    if (!Allowed(WriteStage::Sync) || ::fsync(file.handle()) != 0)
        return failed(WriteStage::Sync);
    if (!Allowed(WriteStage::Rename) || !file.commit())
        return failed(WriteStage::Rename);
    return std::nullopt;
}

std::optional<WriteFailure> WriteWholeFile(const QString &path, const QByteArray &bytes)
{
    return WriteWholeFile(
        path, [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); });
}

namespace whole_file_testing {

void FailAt(std::optional<WriteStage> stage)
{
    g_failAt = stage;
}

} // namespace whole_file_testing
