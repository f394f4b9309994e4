#pragma once

#include <QString>
#include <functional>
#include <optional>

class QByteArray;
class QIODevice;

// The steps of a write, in order; the one that failed tells where a disk gave out.
enum class WriteStage { Open, Write, Flush, Sync, Rename };

struct WriteFailure
{
    WriteStage stage;
    QString reason; // the system's
};

// Writes the file at path whole or not at all. fill writes the content on a temporary file
// beside it, which replaces the file only once every byte has reached the disk: a failure at
// any step, however late it surfaces, leaves the file as it was, and nothing beside it.
// Nothing on success. Every write of a user's file goes through here.
std::optional<WriteFailure> WriteWholeFile(const QString &path,
                                           const std::function<bool(QIODevice &)> &fill);
std::optional<WriteFailure> WriteWholeFile(const QString &path, const QByteArray &bytes);

namespace whole_file_testing {
// Makes every following write fail at stage, as a full disk would (ENOSPC); nothing ends it.
void FailAt(std::optional<WriteStage> stage);
} // namespace whole_file_testing
