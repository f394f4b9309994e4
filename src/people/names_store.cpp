#include "people/names_store.h"

#include "core/calendar.h"
#include "framework/container_size.h"
#include "framework/message_box.h"
#include "framework/whole_file.h"
#include "people/names_file.h"
#include "people/names_merge.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <cstdio>
#include <optional>

namespace {

// Another program writes the list in a few milliseconds; one that holds the lock longer is
// stuck, and a lock left by a killed program is taken over at once.
constexpr int kLockWaitMs = 5000;

enum class FileState { Missing, Unopenable, Read };

struct FileRead
{
    FileState state = FileState::Missing;
    names_file::ReadResult result = names_file::ReadResult::Ok;
    QString reason; // the system's, when the file is there but cannot be opened
};

FileRead ReadList(const QString &path, NamesList &list)
{
    list = NamesList{};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {file.exists() ? FileState::Unopenable : FileState::Missing, {}, file.errorString()};
    return {FileState::Read, names_file::Read(file, list), {}};
}

void ShowError(const QString &text)
{
    messages::Show(nullptr, QMessageBox::Critical, text);
}

// The described message says neither where nor why; the terminal gets both.
bool Failed(const QString &path, const QString &reason)
{
    std::fputs(QStringLiteral("Ondaris : Impossible d'écrire « %1 » : %2\n")
                   .arg(QDir::toNativeSeparators(path), reason)
                   .toLocal8Bit()
                   .constData(),
               stderr);
    ShowError(QStringLiteral("Impossible de créer le fichier de sortie\npour la liste des noms !"));
    return false;
}

// Keeps the bytes of a file that could not be read whole, so that replacing it loses nothing.
std::optional<WriteFailure> KeepBackup(const QString &path, const QString &backup)
{
    QFile original(path);
    if (!original.open(QIODevice::ReadOnly))
        return WriteFailure{WriteStage::Open, original.errorString()};
    if (!FitsContainer(quint64(original.size()), 1))
        return WriteFailure{WriteStage::Open, QStringLiteral("fichier trop grand")};
    const QByteArray bytes = original.readAll();
    if (original.error() != QFileDevice::NoError)
        return WriteFailure{WriteStage::Open, original.errorString()};
    return WriteWholeFile(backup, bytes);
}

QString Person(const PersonRecord &record)
{
    const QString date = DateText(record.birthDate);
    return date.isEmpty() ? record.name : QStringLiteral("%1 (%2)").arg(record.name, date);
}

void TellLeftOut(const QString &path, const QList<PersonRecord> &leftOut)
{
    QStringList persons;
    for (const PersonRecord &record : leftOut)
        persons << Person(record);
    messages::Show(nullptr, QMessageBox::Warning,
                   QStringLiteral("La liste de noms « %1 » est pleine (%2 personnes au plus) : "
                                  "ces personnes n'y ont pas été gardées :\n%3")
                       .arg(QDir::toNativeSeparators(path))
                       .arg(NamesList::kCapacity)
                       .arg(persons.join(u'\n')));
}

void TellCut(const QString &path, const QString &backup)
{
    messages::Show(nullptr, QMessageBox::Information,
                   QStringLiteral("La liste de noms « %1 » comptait plus de %2 personnes : seules "
                                  "les %2 premières y sont gardées. Le fichier entier a été "
                                  "conservé dans « %3 ».")
                       .arg(QDir::toNativeSeparators(path))
                       .arg(NamesList::kCapacity)
                       .arg(QDir::toNativeSeparators(backup)));
}

} // namespace

bool NamesStore::Load(NamesList &list, const QString &dataDirectory)
{
    *this = NamesStore{};
    loaded = true;
    const FileRead read = ReadList(names_file::FilePath(dataDirectory), list);
    m_base = list;
    if (read.state != FileState::Read)
        return true;
    switch (read.result) {
    case names_file::ReadResult::Ok:
    case names_file::ReadResult::Overfull:
        return true;
    case names_file::ReadResult::Corrupt:
        ShowError(QStringLiteral("Le fichier Ondaris.dat est corrompu !"));
        return false;
    case names_file::ReadResult::Truncated:
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
    QLockFile lock(path + QStringLiteral(".lock"));
    // A lock that cannot be made for any other reason means a folder that takes no file: the
    // writer below fails on it too, and gives the system's reason.
    if (!lock.tryLock(kLockWaitMs) && lock.error() == QLockFile::LockFailedError) {
        return Failed(path, QStringLiteral("la liste est tenue par un autre programme (« %1 »)")
                                .arg(QDir::toNativeSeparators(lock.fileName())));
    }
    NamesList onDisk;
    const FileRead read = ReadList(path, onDisk);
    if (read.state == FileState::Unopenable)
        return Failed(path, read.reason);
    const QString backup = path + QStringLiteral(".bak");
    if (read.state == FileState::Read && read.result != names_file::ReadResult::Ok) {
        if (const std::optional<WriteFailure> failure = KeepBackup(path, backup))
            return Failed(backup, failure->reason);
    }
    const NamesMerge merge = MergeNames(onDisk, m_base, list);
    if (const std::optional<WriteFailure> failure =
            WriteWholeFile(path, names_file::Write(merge.list)))
        return Failed(path, failure->reason);
    lock.unlock();
    // What was left out has been told: it is not offered again at the next write.
    m_base = list;
    if (read.result == names_file::ReadResult::Overfull)
        TellCut(path, backup);
    if (!merge.leftOut.isEmpty())
        TellLeftOut(path, merge.leftOut);
    return true;
}
