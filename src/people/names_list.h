#pragma once

#include "core/ole_date_time.h"

#include <QString>
#include <array>

// The name as the list keeps it: one line, each line break (CR LF, CR or LF) made a space.
QString PersonName(const QString &text);

struct PersonRecord
{
    QString name;
    COleDateTime birthDate; // 30 December 1899, valid, when constructed
};

// The registered persons, at most 100, in order of addition. A plain value: dialogs work on
// copies and their callers copy the list back only when the dialog is confirmed.
class NamesList
{
public:
    static constexpr int kCapacity = 100;

    qint32 count = 0;
    std::array<PersonRecord, kCapacity> records;

    // Index of the first record in use whose name equals the text exactly (its line breaks
    // read as spaces, as Append stores them), or -1.
    int FindByName(const QString &name) const;
    // Stores the record at index count when there is room; false when the list is full. Line
    // breaks in the name become spaces, so that the names file keeps one name per line.
    bool Append(const PersonRecord &record);
    // Removes a record in use; the records after it move up one place.
    void RemoveAt(int index);
    bool IsFull() const { return count >= kCapacity; }

    // Reads "Ondaris.dat" from the data directory. A missing file is no error; an unreadable
    // one shows its message. Returns false when a message was shown.
    bool Load(const QString &dataDirectory);
    // Writes "Ondaris.dat" into the data directory, provided the list was loaded first. A file
    // that Load could not read is kept as "Ondaris.dat.bak" before it is replaced. Returns
    // false when the file could not be written (the message has been shown).
    bool Save(const QString &dataDirectory);

    // Set by Load: whether the list reflects the file (or its absence), and whether the file
    // was there but could not be read whole.
    bool loaded = false;
    bool fileUnreadable = false;
};
