#include "people/names_merge.h"

#include <algorithm>
#include <vector>

namespace {

// Records as the file keeps them: the name and the day, month and year, or no date.
bool SameAsStored(const PersonRecord &a, const PersonRecord &b)
{
    const bool datedA = a.birthDate.IsConvertible();
    const bool datedB = b.birthDate.IsConvertible();
    if (a.name != b.name || datedA != datedB)
        return false;
    return !datedA || (a.birthDate.GetYear() == b.birthDate.GetYear() &&
                       a.birthDate.GetMonth() == b.birthDate.GetMonth() &&
                       a.birthDate.GetDay() == b.birthDate.GetDay());
}

std::vector<PersonRecord> RecordsOf(const NamesList &list)
{
    const int count = std::clamp(list.count, 0, NamesList::kCapacity);
    return {list.records.begin(), list.records.begin() + count};
}

// The records of `from` that `against` does not hold, each record of `against` matching once.
std::vector<PersonRecord> Unmatched(const std::vector<PersonRecord> &from,
                                    std::vector<PersonRecord> against)
{
    std::vector<PersonRecord> left;
    for (const PersonRecord &record : from) {
        const auto match =
            std::find_if(against.begin(), against.end(),
                         [&record](const PersonRecord &r) { return SameAsStored(r, record); });
        if (match == against.end())
            left.push_back(record);
        else
            against.erase(match);
    }
    return left;
}

int FindSame(const NamesList &list, const PersonRecord &record)
{
    for (int i = 0; i < std::clamp(list.count, 0, NamesList::kCapacity); ++i) {
        if (SameAsStored(list.records[static_cast<size_t>(i)], record))
            return i;
    }
    return -1;
}

} // namespace

NamesMerge MergeNames(const NamesList &onDisk, const NamesList &base, const NamesList &current)
{
    const std::vector<PersonRecord> before = RecordsOf(base);
    const std::vector<PersonRecord> now = RecordsOf(current);
    const std::vector<PersonRecord> removed = Unmatched(before, now);
    const std::vector<PersonRecord> added = Unmatched(now, before);

    NamesMerge merge{onDisk, {}};
    NamesList &list = merge.list;
    for (const PersonRecord &record : removed) {
        // A new birth date is no removal: the person keeps their place below.
        const bool redated = std::any_of(
            added.begin(), added.end(), [&record](const auto &r) { return r.name == record.name; });
        const int found = redated ? -1 : FindSame(list, record);
        if (found >= 0)
            list.RemoveAt(found);
    }
    for (const PersonRecord &record : added) {
        const int named = list.FindByName(record.name);
        if (named >= 0)
            list.records[static_cast<size_t>(named)].birthDate = record.birthDate;
        else if (!list.Append(record))
            merge.leftOut.append(record);
    }
    return merge;
}
