#pragma once

#include "people/contact.h"
#include "people/names_list.h"

#include <QByteArray>

class QIODevice;

// Address books in vCard (3.0 and 4.0, and 2.1 without encoded values): of each card the
// formatted name (FN, else the parts of N) and the birthday (BDAY); the other fields are left
// alone.
namespace vcard_file {

ContactsRead Read(QIODevice &device);
// One vCard 3.0 card a person, UID, FN and BDAY, CR LF line ends, lines folded at 75 bytes. A
// person without a valid birth date has no BDAY; the UID follows from the name and birth date.
QByteArray Write(const NamesList &list);

} // namespace vcard_file
