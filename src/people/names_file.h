#pragma once

#include "people/names_list.h"

#include <QByteArray>
#include <QString>

class QIODevice;

// The text format of "Ondaris.dat", apart from where the file lives.
namespace names_file {

enum class ReadResult {
    Ok,        // the whole list was read (or the file announced no records)
    Corrupt,   // the magic line is wrong or missing: the list is empty
    Truncated, // a line is missing: the records read so far are kept
    Overfull,  // the file announces more records than the list holds: the first ones are read
};

// Replaces the list's records by those the device holds.
ReadResult Read(QIODevice &device, NamesList &list);
// The whole file, CR LF line ends included.
QByteArray Write(const NamesList &list);

// "Ondaris.dat" in the data directory.
QString FilePath(const QString &dataDirectory);

} // namespace names_file
