#pragma once

#include "people/contact.h"
#include "people/csv_persons.h"
#include "people/person_import.h"
#include "people/vcard_file.h"

#include <QBuffer>
#include <cstdlib>

namespace persons_fuzz {

// The list that the persons read from the bytes give.
inline NamesList Imported(const QByteArray &bytes, ContactsRead (*read)(QIODevice &))
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    NamesList list;
    const ImportReport report = MergeContacts(list, read(buffer).contacts);
    if (list.count != report.added || list.count > NamesList::kCapacity)
        std::abort();
    return list;
}

inline void CheckSame(const NamesList &a, const NamesList &b)
{
    if (a.count != b.count)
        std::abort();
    for (int k = 0; k < a.count; ++k) {
        const PersonRecord &one = a.records[size_t(k)];
        const PersonRecord &other = b.records[size_t(k)];
        if (one.name != other.name || one.birthDate.ToQDate() != other.birthDate.ToQDate())
            std::abort();
    }
}

// Whatever a reader of persons makes of the bytes, the persons that the names list takes from
// them leave through either writer and come back unchanged.
inline void Check(const QByteArray &input, ContactsRead (*read)(QIODevice &))
{
    const NamesList list = Imported(input, read);
    CheckSame(list, Imported(vcard_file::Write(list), vcard_file::Read));
    CheckSame(list, Imported(csv_persons::Write(list), csv_persons::Read));
}

} // namespace persons_fuzz
