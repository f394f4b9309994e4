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
    // Qt reads names as UTF-8 and puts U+FFFD for bytes it cannot: such a name is another
    // file's, which the write would replace.
    if (path.contains(QChar::ReplacementCharacter))
        return WriteFailure{WriteStage::Open,
                            QStringLiteral("nom non valide dans le codage du système")};
    QSaveFile file(path);
    // QSaveFile::commit() renames the temporary file over the target even when flushing its
    // buffer failed, and ignores a failed sync: both are done and checked here first. The
    // temporary file goes with `file` when it is not committed.
    const auto failed = [&file](WriteStage stage) {
        // The system's own words where a call failed: Qt has none for a failed flush.
        const int code = errno;
        QString reason = code != 0 ? qt_error_string(code) : file.errorString();
        if (code == 0 && file.error() == QFileDevice::NoError)
            reason = QStringLiteral("le contenu n'a pu être préparé");
        file.cancelWriting();
        return WriteFailure{stage, reason};
    };
    // Each step starts with no error of an earlier call in errno.
    errno = 0;
    if (!Allowed(WriteStage::Open) || !file.open(QIODevice::WriteOnly))
        return failed(WriteStage::Open);
    errno = 0;
    if (!Allowed(WriteStage::Write) || !fill(file) || file.error() != QFileDevice::NoError)
        return failed(WriteStage::Write);
    errno = 0;
    if (!Allowed(WriteStage::Flush) || !file.flush())
        return failed(WriteStage::Flush);
    errno = 0;
    if (!Allowed(WriteStage::Sync) || ::fsync(file.handle()) != 0)
        return failed(WriteStage::Sync);
    errno = 0;
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
