#pragma once

#include "people/names_list.h"

#include <QString>

// "Ondaris.dat" as the application keeps it: read once at start, written back at the end, and
// whether the list in memory stands for the file. Dialogs copy the list, never this state.
class NamesStore
{
public:
    // Reads "Ondaris.dat" from the data directory into the list. A missing file is no error; an
    // unreadable one shows its message. Returns false when a message was shown.
    bool Load(NamesList &list, const QString &dataDirectory);
    // Writes the list into "Ondaris.dat" of the data directory, provided it was loaded first. A
    // file that Load could not read is kept as "Ondaris.dat.bak" before it is replaced. Returns
    // false when the file could not be written (the message has been shown).
    bool Save(const NamesList &list, const QString &dataDirectory);

    // Set by Load: whether the list reflects the file (or its absence), and whether the file
    // was there but could not be read whole.
    bool loaded = false;
    bool fileUnreadable = false;
};
