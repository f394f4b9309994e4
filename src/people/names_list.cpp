#include "people/names_list.h"

int NamesList::FindByName(const QString &) const
{
    return -1;
}
bool NamesList::Append(const PersonRecord &)
{
    return false;
}
void NamesList::RemoveAt(int) {}
bool NamesList::Load(const QString &)
{
    return true;
}
bool NamesList::Save(const QString &)
{
    return true;
}
