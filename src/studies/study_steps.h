#pragma once

#include "core/calendar.h"
#include "core/ole_date_time.h"
#include "people/names_list.h"

#include <QString>

class CArchive;
class CDocument;
class CWizidentite;
class QWidget;

// Steps that the three study documents share.

inline const QString kHistogramComment =
    QStringLiteral("Aucun commentaire à propos de cet histogramme.");

// The owner of the wizard's steps: the window the user is working in.
QWidget *DialogParent();

// "Edition " followed by the document's title.
QString EditCaption(const CDocument &document);

// Runs the identity step, which the caller has prepared with a copy of the names list; on the
// confirm result the step's list replaces the names list, count included.
bool ConfirmIdentityStep(CWizidentite &step, NamesList &names);

// Runs the start-date step with the caption and, for an edit, the current date; on the confirm
// result the date takes the step's date.
bool ConfirmStartStep(const QString &title, bool edit, COleDateTime &date);

// Adds the person read from a study file when the names list has no entry of that exact name
// and still has room; an entry of that name keeps its own birth date.
void RegisterPerson(NamesList &names, const QString &name, const COleDateTime &birthDate);

// A date of a study file, which the study can work with only when its status is valid and it
// names a day of the years 100 to 9999; any other refuses the file as malformed.
COleDateTime ReadStudyDate(CArchive &ar);
// A person of a study file: the name, then the birth date.
PersonRecord ReadPerson(CArchive &ar);
void WritePerson(CArchive &ar, const QString &name, const COleDateTime &birthDate);
