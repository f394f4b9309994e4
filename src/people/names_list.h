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
};
