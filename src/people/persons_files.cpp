#include "people/persons_files.h"

#include "framework/whole_file.h"
#include "people/csv_persons.h"
#include "people/vcard_file.h"

#include <QFile>
#include <QFileInfo>

namespace persons_files {

namespace {

QString Named(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

QString FormatRefused(const QString &path)
{
    return QStringLiteral("Le fichier « %1 » n'est ni un carnet d'adresses vCard (.vcf) ni un "
                          "tableau CSV (.csv).")
        .arg(Named(path));
}

std::optional<Format> FormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"vcf" || suffix == u"vcard")
        return Format::VCard;
    if (suffix == u"csv")
        return Format::Csv;
    return std::nullopt;
}

Outcome ReadFile(const QString &path)
{
    Outcome outcome;
    const std::optional<Format> format = FormatOf(path);
    if (!format) {
        outcome.read.error = FormatRefused(path);
        return outcome;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        outcome.openFailed = true;
        outcome.read.error = QStringLiteral("Impossible d'ouvrir le fichier « %1 » : %2.")
                                 .arg(Named(path), file.errorString());
        return outcome;
    }
    outcome.read = *format == Format::VCard ? vcard_file::Read(file) : csv_persons::Read(file);
    if (file.error() != QFileDevice::NoError) {
        outcome.openFailed = true;
        outcome.read.error = QStringLiteral("Impossible de lire le fichier « %1 » : %2.")
                                 .arg(Named(path), file.errorString());
    } else if (!outcome.read.error.isEmpty()) {
        outcome.read.error = QStringLiteral("Le fichier « %1 » ne peut être importé : %2")
                                 .arg(Named(path), outcome.read.error);
    }
    if (!outcome.read.error.isEmpty())
        outcome.read.contacts.clear();
    return outcome;
}

std::optional<QString> WriteFile(const QString &path, const NamesList &list)
{
    const std::optional<Format> format = FormatOf(path);
    if (!format)
        return FormatRefused(path);
    const std::optional<WriteFailure> failure = WriteWholeFile(
        path, *format == Format::VCard ? vcard_file::Write(list) : csv_persons::Write(list));
    if (!failure)
        return std::nullopt;
    return QStringLiteral("Impossible d'écrire le fichier « %1 » : %2.")
        .arg(Named(path), failure->reason);
}

QString FileFilters()
{
    return QStringLiteral("Carnets d'adresses vCard (*.vcf *.vcard);;Tableaux CSV (*.csv)");
}

} // namespace persons_files
