#include "studies/study_steps.h"

#include "framework/archive.h"
#include "framework/document.h"
#include "people/wizard_identity.h"
#include "people/wizard_start.h"

#include <QApplication>

QWidget *DialogParent()
{
    return QApplication::activeWindow();
}

QString EditCaption(const CDocument &document)
{
    return QStringLiteral("Edition ") + document.GetTitle();
}

bool ConfirmIdentityStep(CWizidentite &step, NamesList &names)
{
    if (step.exec() != QDialog::Accepted)
        return false;
    names = step.m_names;
    return true;
}

bool ConfirmStartStep(const QString &title, bool edit, COleDateTime &date)
{
    CWizdepart step(DialogParent());
    step.m_strTitle = title;
    if (edit) {
        step.m_bEdit = true;
        step.m_dateStart = date;
    }
    if (step.exec() != QDialog::Accepted)
        return false;
    date = step.m_dateStart;
    return true;
}

void RegisterPerson(NamesList &names, const QString &name, const COleDateTime &birthDate)
{
    if (names.FindByName(name) < 0)
        names.Append(PersonRecord{name, birthDate});
}

COleDateTime ReadStudyDate(CArchive &ar)
{
    const COleDateTime date = ar.ReadDate();
    if (ar.ok() && !date.IsConvertible())
        ar.SetError(CArchive::Error::EndOfFile);
    return date;
}

PersonRecord ReadPerson(CArchive &ar)
{
    PersonRecord person;
    person.name = ar.ReadString();
    person.birthDate = ReadStudyDate(ar);
    return person;
}

void WritePerson(CArchive &ar, const QString &name, const COleDateTime &birthDate)
{
    ar.WriteString(name);
    ar.WriteDate(birthDate);
}
