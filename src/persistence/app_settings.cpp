#include "persistence/app_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace app_settings {

namespace {
const QString kSection = QStringLiteral("Settings/");
}

QSettings Store()
{
    return QSettings(QStringLiteral("Velmora"), QStringLiteral("Ondaris"));
}

void ClearStaleLock()
{
    const QString lock = Store().fileName() + QStringLiteral(".lock");
    // A live holder keeps its lock file locked, so that this removal fails for it.
    if (QFileInfo::exists(lock))
        QLockFile(lock).removeStaleLockFile();
}

int Read(const IntSetting &setting)
{
    const QSettings store = Store();
    bool ok = false;
    const int value =
        store.value(kSection + QLatin1StringView(setting.key)).toString().trimmed().toInt(&ok);
    return ok ? value : setting.defaultValue;
}

void Write(const IntSetting &setting, int value)
{
    QSettings store = Store();
    store.setValue(kSection + QLatin1StringView(setting.key), value);
}

bool IsOn(const IntSetting &setting)
{
    return Read(setting) == 1;
}

QString ChosenDataDirectory()
{
    return Store().value(QLatin1StringView(kDataDirectoryKey)).toString();
}

QString DataDirectory()
{
    const QString chosen = ChosenDataDirectory();
    return chosen.isEmpty() ? QDir::currentPath() : chosen;
}

} // namespace app_settings
