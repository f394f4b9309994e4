#pragma once

#include "people/names_list.h"

#include <QString>

// "Ondaris.dat" as the application keeps it: read once at start, written back at the end, and
// whether the list in memory stands for the file. Dialogs copy the list, never this state.
//
// Other programs may write the file meanwhile: a write takes the file as it then is, under a
// lock beside it, and applies this program's own additions, changes and removals since it read
// or last wrote the file (see MergeNames).
class NamesStore
{
public:
    // Reads "Ondaris.dat" from the data directory into the list. A missing file is no error; an
    // unreadable one shows its message. Returns false when a message was shown.
    bool Load(NamesList &list, const QString &dataDirectory);
    // Writes the list's changes into "Ondaris.dat" of the data directory, provided it was loaded
    // first. A file that cannot be read whole (unreadable, or more records than the list holds)
    // is kept as "Ondaris.dat.bak" before it is replaced. Persons that do not fit in the list,
    // and a file cut to the list's size, are told in a message. Returns false when the file
    // could not be written: its message has been shown, and where and why written on stderr.
    bool Save(const NamesList &list, const QString &dataDirectory);

    // Set by Load: whether the list reflects the file (or its absence).
    bool loaded = false;

private:
    NamesList m_base; // the list as read, then as last written
};
