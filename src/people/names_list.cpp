#include "people/names_list.h"

#include <algorithm>

QString PersonName(const QString &text)
{
    QString name = text;
    name.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    name.replace(u'\r', u' ');
    name.replace(u'\n', u' ');
    return name;
}

int NamesList::FindByName(const QString &name) const
{
    // Names enter the list on one line, so a name with line breaks is looked up as stored.
    const QString wanted = PersonName(name);
    const auto end = records.begin() + std::clamp(count, 0, kCapacity);
    const auto found = std::find_if(records.begin(), end,
                                    [&wanted](const PersonRecord &r) { return r.name == wanted; });
    return found == end ? -1 : static_cast<int>(found - records.begin());
}

bool NamesList::Append(const PersonRecord &record)
{
    if (count < 0 || IsFull())
        return false;
    records[static_cast<size_t>(count)] = PersonRecord{PersonName(record.name), record.birthDate};
    ++count;
    return true;
}

void NamesList::RemoveAt(int index)
{
    if (index < 0 || index >= count || count > kCapacity)
        return;
    std::move(records.begin() + index + 1, records.begin() + count, records.begin() + index);
    --count;
    records[static_cast<size_t>(count)] = PersonRecord{};
}
