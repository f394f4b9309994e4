#pragma once

#include "people/contact.h"
#include "people/names_list.h"

#include <QByteArray>

class QIODevice;

// Persons in a table for a spreadsheet: a name and a birth date (DD/MM/YYYY) a row, under the
// heading row "Nom;Naissance".
namespace csv_persons {

// A first row whose date field holds text without a digit is a heading and is left out; fields
// after the second are ignored.
ContactsRead Read(QIODevice &device);
// A person without a valid birth date has an empty date field.
QByteArray Write(const NamesList &list);

} // namespace csv_persons
