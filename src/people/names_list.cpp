#include "people/names_list.h"

#include "framework/container_size.h"
#include "framework/message_box.h"
#include "framework/whole_file.h"
#include "people/names_file.h"

#include <QFile>
#include <algorithm>

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

QString PersonName(const QString &text)
{
    QString name = text;
    name.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    name.replace(u'\r', u' ');
    name.replace(u'\n', u' ');
    return name;
}

int NamesList::FindByName(const QString &name) const
{
    // Names enter the list on one line, so a name with line breaks is looked up as stored.
    const QString wanted = PersonName(name);
    const auto end = records.begin() + std::clamp(count, 0, kCapacity);
    const auto found = std::find_if(records.begin(), end,
                                    [&wanted](const PersonRecord &r) { return r.name == wanted; });
    return found == end ? -1 : static_cast<int>(found - records.begin());
}

bool NamesList::Append(const PersonRecord &record)
{
    if (count < 0 || IsFull())
        return false;
    records[static_cast<size_t>(count)] = PersonRecord{PersonName(record.name), record.birthDate};
    ++count;
    return true;
}

void NamesList::RemoveAt(int index)
{
    if (index < 0 || index >= count || count > kCapacity)
        return;
    std::move(records.begin() + index + 1, records.begin() + count, records.begin() + index);
    --count;
    records[static_cast<size_t>(count)] = PersonRecord{};
}

bool NamesList::Load(const QString &dataDirectory)
{
    *this = NamesList{};
    loaded = true;
    QFile file(names_file::FilePath(dataDirectory));
    if (!file.open(QIODevice::ReadOnly)) {
        // A file that is there but cannot be opened must not be replaced blindly at exit.
        fileUnreadable = file.exists();
        return true;
    }
    const names_file::ReadResult result = names_file::Read(file, *this);
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

bool NamesList::Save(const QString &dataDirectory)
{
    if (!loaded)
        return true;
    const QString path = names_file::FilePath(dataDirectory);
    const bool written =
        (!fileUnreadable || KeepBackup(path)) && !WriteWholeFile(path, names_file::Write(*this));
    if (!written) {
        ShowError(
            QStringLiteral("Impossible de créer le fichier de sortie\npour la liste des noms !"));
        return false;
    }
    fileUnreadable = false;
    return true;
}
