#include "persistence/recent_files.h"

#include "persistence/app_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

QString Key(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

bool SamePath(const QString &a, const QString &b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

RecentFiles::RecentFiles(QObject *parent) : QObject(parent)
{
    QSettings store = app_settings::Store();
    store.beginGroup(QLatin1StringView(app_settings::kRecentFilesGroup));
    for (int i = 0; i < kMaxCount; ++i) {
        const QString path = store.value(Key(i)).toString();
        if (!path.isEmpty())
            m_files << path;
    }
}

void RecentFiles::Add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_files.removeIf([&](const QString &file) { return SamePath(file, absolute); });
    m_files.prepend(absolute);
    while (m_files.size() > kMaxCount)
        m_files.removeLast();
    Store();
    Q_EMIT changed();
}

void RecentFiles::Remove(const QString &path)
{
    if (m_files.removeIf([&](const QString &file) { return SamePath(file, path); }) == 0)
        return;
    Store();
    Q_EMIT changed();
}

void RecentFiles::Store() const
{
    QSettings store = app_settings::Store();
    store.beginGroup(QLatin1StringView(app_settings::kRecentFilesGroup));
    for (int i = 0; i < kMaxCount; ++i) {
        if (i < m_files.size())
            store.setValue(Key(i), m_files.at(i));
        else
            store.remove(Key(i));
    }
}

QString RecentFiles::Abbreviate(const QString &path, int maxLength)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (shown.size() <= maxLength)
        return shown;
    const QFileInfo info(path);
    const QString name = info.fileName();
    const QChar separator = QDir::separator();
    QStringList folders = QDir::toNativeSeparators(info.path()).split(separator);
    // The root ("" before a leading "/", or a drive) stays; folders after it give way first.
    const QString root = folders.takeFirst() + separator;
    while (!folders.isEmpty()) {
        folders.removeFirst();
        QStringList rest = folders;
        rest << name;
        const QString candidate = root + QStringLiteral("...") + separator + rest.join(separator);
        if (candidate.size() <= maxLength)
            return candidate;
    }
    return name;
}
