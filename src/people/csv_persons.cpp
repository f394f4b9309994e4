#include "people/csv_persons.h"

#include "framework/csv_table.h"

#include <QIODevice>
#include <algorithm>

namespace csv_persons {

namespace {

const QString kDateFormat = QStringLiteral("dd/MM/yyyy");

bool IsHeading(const QStringList &row)
{
    const QString date = row.value(1).trimmed();
    return !date.isEmpty() &&
           std::none_of(date.begin(), date.end(), [](QChar c) { return c.isDigit(); });
}

Contact ContactOf(const QStringList &row)
{
    Contact contact;
    contact.name = row.value(0).trimmed();
    const QString date = row.value(1).trimmed();
    if (date.isEmpty())
        return contact;
    contact.birthText = date;
    // Spreadsheets drop the leading zeros of days and months.
    contact.birthDate = QDate::fromString(date, QStringLiteral("d/M/yyyy"));
    contact.birth = BirthOf(contact.birthDate);
    return contact;
}

} // namespace

ContactsRead Read(QIODevice &device)
{
    ContactsRead read;
    const std::optional<QList<QStringList>> rows =
        csv_table::Read(DecodeContactsText(device.readAll()));
    if (!rows) {
        read.error = QStringLiteral("le fichier est tronqué : un champ entre guillemets n'est "
                                    "jamais fermé.");
        return read;
    }
    for (qsizetype i = 0; i < rows->size(); ++i) {
        if (i > 0 || !IsHeading(rows->at(i)))
            read.contacts.append(ContactOf(rows->at(i)));
    }
    if (read.contacts.isEmpty())
        read.error = QStringLiteral("le fichier ne contient aucune personne.");
    return read;
}

QByteArray Write(const NamesList &list)
{
    QList<QStringList> rows{{QStringLiteral("Nom"), QStringLiteral("Naissance")}};
    for (int k = 0; k < std::clamp(list.count, 0, NamesList::kCapacity); ++k) {
        const PersonRecord &person = list.records[static_cast<size_t>(k)];
        rows.append({person.name, person.birthDate.IsConvertible()
                                      ? person.birthDate.ToQDate().toString(kDateFormat)
                                      : QString()});
    }
    return csv_table::Write(rows);
}

} // namespace csv_persons
