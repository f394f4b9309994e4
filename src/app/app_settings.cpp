#include "app/app_settings.h"

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

int ReadInt(const QString &name, int defaultValue)
{
    const QSettings store = Store();
    bool ok = false;
    const int value = store.value(kSection + name).toString().trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

void WriteInt(const QString &name, int value)
{
    QSettings store = Store();
    store.setValue(kSection + name, value);
}

bool IsOn(const QString &name, int defaultValue)
{
    return ReadInt(name, defaultValue) == 1;
}

QString ChosenDataDirectory()
{
    return Store().value(QStringLiteral("Default")).toString();
}

} // namespace app_settings
