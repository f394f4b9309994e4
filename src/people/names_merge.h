#pragma once

#include "people/names_list.h"

#include <QList>

// Two programs may keep the names list at once. The one that writes last must not drop what
// the other wrote: it writes the file as it finds it, plus its own changes since it read it.
//
// A person is a name: the list compares names exactly, so one name is one person, whose birth
// date is the one given by the program that writes last. A removal only removes a person as this
// program last knew them: one whose birth date another program has changed since is kept.
struct NamesMerge
{
    NamesList list;
    QList<PersonRecord> leftOut; // this program's additions that the full list had no room for
};

// onDisk: the file now; base: the list as this program read or last wrote it; current: this
// program's list now. Removals come first, so that a place freed makes room for an addition.
NamesMerge MergeNames(const NamesList &onDisk, const NamesList &base, const NamesList &current);
