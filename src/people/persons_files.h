#pragma once

#include "people/contact.h"
#include "people/names_list.h"

#include <QString>
#include <optional>

// Files of persons going in and out of the names list, their format named by their ending:
// ".vcf" (or ".vcard") for an address book, ".csv" for a spreadsheet.
namespace persons_files {

enum class Format { VCard, Csv };

std::optional<Format> FormatOf(const QString &path);
// Why a file of another ending is refused, in French.
QString FormatRefused(const QString &path);

// The contacts of the file, or why it cannot be read; error says so in French, as a sentence
// about the file named.
struct Outcome
{
    ContactsRead read;
    bool openFailed = false; // the file could not be opened, as opposed to read
};
Outcome ReadFile(const QString &path);

// Writes the whole list through the one writer; why it failed, in French, or nothing.
std::optional<QString> WriteFile(const QString &path, const NamesList &list);

// The file dialogs' filters, the vCard one first.
QString FileFilters();

} // namespace persons_files
