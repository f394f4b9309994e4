#include "people/names_store.h"

#include "framework/container_size.h"
#include "framework/message_box.h"
#include "framework/whole_file.h"
#include "people/names_file.h"

#include <QFile>

namespace {

void ShowError(const QString &text)
{
    messages::Show(nullptr, QMessageBox::Critical, text);
}

// Keeps the bytes of a file that could not be read, so that replacing it loses nothing.
bool KeepBackup(const QString &path)
{
    QFile original(path);
    if (!original.exists())
        return true;
    if (!original.open(QIODevice::ReadOnly) || !FitsContainer(quint64(original.size()), 1))
        return false;
    const QByteArray bytes = original.readAll();
    if (original.error() != QFileDevice::NoError)
        return false;
    return !WriteWholeFile(path + QStringLiteral(".bak"), bytes);
}

} // namespace

bool NamesStore::Load(NamesList &list, const QString &dataDirectory)
{
    list = NamesList{};
    *this = NamesStore{};
    loaded = true;
    QFile file(names_file::FilePath(dataDirectory));
    if (!file.open(QIODevice::ReadOnly)) {
        // A file that is there but cannot be opened must not be replaced blindly at exit.
        fileUnreadable = file.exists();
        return true;
    }
    const names_file::ReadResult result = names_file::Read(file, list);
    switch (result) {
    case names_file::ReadResult::Ok:
        return true;
    case names_file::ReadResult::Corrupt:
        fileUnreadable = true;
        ShowError(QStringLiteral("Le fichier Ondaris.dat est corrompu !"));
        return false;
    case names_file::ReadResult::Truncated:
        fileUnreadable = true;
        ShowError(QStringLiteral("Impossible de lire la liste de noms !"));
        return false;
    }
    return false;
}

bool NamesStore::Save(const NamesList &list, const QString &dataDirectory)
{
    if (!loaded)
        return true;
    const QString path = names_file::FilePath(dataDirectory);
    const bool written =
        (!fileUnreadable || KeepBackup(path)) && !WriteWholeFile(path, names_file::Write(list));
    if (!written) {
        ShowError(
            QStringLiteral("Impossible de créer le fichier de sortie\npour la liste des noms !"));
        return false;
    }
    fileUnreadable = false;
    return true;
}
