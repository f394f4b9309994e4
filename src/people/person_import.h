#pragma once

#include "people/contact.h"
#include "people/names_list.h"

#include <QString>
#include <QStringList>

// What an import did to the names list.
struct ImportReport
{
    int added = 0;
    int alreadyThere = 0; // the same name and birth date were registered
    int withoutBirth = 0;
    int withoutYear = 0;
    QStringList refused; // "name : reason", in the order of the file
};

// Appends the contacts that the list can carry and that it does not hold yet. A contact is
// refused, never altered, when its name is empty, spans lines, holds control characters or is
// longer than the names dialog accepts, when its birth date is unreadable, and when the list is
// full.
ImportReport MergeContacts(NamesList &list, const QList<Contact> &contacts);

// The report in French, one fact a line, every refused person named.
QString ReportText(const ImportReport &report);
