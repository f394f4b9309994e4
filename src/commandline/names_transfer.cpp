#include "commandline/names_transfer.h"

#include "people/names_file.h"
#include "people/names_store.h"
#include "people/person_import.h"
#include "people/persons_files.h"
#include "persistence/app_settings.h"

#include <QFile>
#include <QTextStream>

namespace {

constexpr int kFileFailed = 1;
constexpr int kRefused = 2;

// Reads the names list of the data directory. An unreadable list is never replaced nor exported
// as if empty: Load has said why, or this says that it could not be opened.
bool LoadNames(NamesStore &store, NamesList &list, const QString &directory, QTextStream &err)
{
    const QString path = names_file::FilePath(directory);
    if (QFile file(path); file.exists() && !file.open(QIODevice::ReadOnly)) {
        err << QStringLiteral("Impossible d'ouvrir le fichier %1.").arg(path) << Qt::endl;
        return false;
    }
    return store.Load(list, directory);
}

} // namespace

int RunImportNames(const QString &path, QTextStream &out, QTextStream &err)
{
    const persons_files::Outcome outcome = persons_files::ReadFile(path);
    if (!outcome.read.error.isEmpty()) {
        err << outcome.read.error << Qt::endl;
        return outcome.openFailed ? kFileFailed : kRefused;
    }
    const QString directory = app_settings::DataDirectory();
    NamesStore store;
    NamesList list;
    if (!LoadNames(store, list, directory, err))
        return kFileFailed;
    const ImportReport report = MergeContacts(list, outcome.read.contacts);
    if (report.added > 0 && !store.Save(list, directory))
        return kFileFailed;
    out << ReportText(report);
    return 0;
}

int RunExportNames(const QString &path, QTextStream &err)
{
    if (!persons_files::FormatOf(path)) {
        err << persons_files::FormatRefused(path) << Qt::endl;
        return kRefused;
    }
    NamesStore store;
    NamesList list;
    if (!LoadNames(store, list, app_settings::DataDirectory(), err))
        return kFileFailed;
    if (const std::optional<QString> error = persons_files::WriteFile(path, list)) {
        err << *error << Qt::endl;
        return kFileFailed;
    }
    return 0;
}
