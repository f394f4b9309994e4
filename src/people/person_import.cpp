#include "people/person_import.h"

#include <algorithm>

namespace {

constexpr int kMaxNameLength = 30;

bool Registered(const NamesList &list, const QString &name, const QDate &birth)
{
    const auto end = list.records.begin() + std::clamp(list.count, 0, NamesList::kCapacity);
    return std::any_of(list.records.begin(), end, [&](const PersonRecord &person) {
        return person.name == name && person.birthDate.IsConvertible() &&
               person.birthDate.ToQDate() == birth;
    });
}

// Why the list cannot take the contact as it is, or nothing.
QString Refusal(const Contact &contact)
{
    if (contact.name.isEmpty())
        return QStringLiteral("sans nom");
    if (std::any_of(contact.name.begin(), contact.name.end(),
                    [](QChar c) { return c.category() == QChar::Other_Control; }))
        return QStringLiteral("nom sur plusieurs lignes ou avec des caractères de contrôle");
    if (contact.name.toUcs4().size() > kMaxNameLength)
        return QStringLiteral("nom de plus de %1 caractères").arg(kMaxNameLength);
    if (contact.birth == Contact::Birth::Unreadable)
        return QStringLiteral("date de naissance illisible (%1)").arg(contact.birthText);
    return {};
}

QString Shown(const QString &name)
{
    return name.isEmpty() ? QStringLiteral("(sans nom)") : name.simplified();
}

} // namespace

ImportReport MergeContacts(NamesList &list, const QList<Contact> &contacts)
{
    ImportReport report;
    for (const Contact &contact : contacts) {
        if (contact.birth == Contact::Birth::Missing) {
            ++report.withoutBirth;
            continue;
        }
        if (contact.birth == Contact::Birth::YearLess) {
            ++report.withoutYear;
            continue;
        }
        QString refusal = Refusal(contact);
        if (refusal.isEmpty() && Registered(list, contact.name, contact.birthDate)) {
            ++report.alreadyThere;
            continue;
        }
        if (refusal.isEmpty() &&
            !list.Append(PersonRecord{contact.name, COleDateTime::FromQDate(contact.birthDate)}))
            refusal = QStringLiteral("liste pleine (%1 personnes)").arg(NamesList::kCapacity);
        if (refusal.isEmpty())
            ++report.added;
        else
            report.refused.append(Shown(contact.name) + QStringLiteral(" : ") + refusal);
    }
    return report;
}

QString ReportText(const ImportReport &report)
{
    QStringList lines{
        QStringLiteral("Personnes ajoutées : %1").arg(report.added),
        QStringLiteral("Déjà enregistrées (même nom, même date de naissance) : %1")
            .arg(report.alreadyThere),
        QStringLiteral("Sans date de naissance, ignorées : %1").arg(report.withoutBirth),
        QStringLiteral("Sans année de naissance, ignorées : %1").arg(report.withoutYear),
        QStringLiteral("Refusées : %1").arg(report.refused.size()),
    };
    for (const QString &refused : report.refused)
        lines.append(QStringLiteral("  ") + refused);
    return lines.join(u'\n') + u'\n';
}
