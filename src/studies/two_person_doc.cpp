#include "studies/two_person_doc.h"

#include "core/calendar.h"
#include "people/wizard_identity.h"
#include "studies/study_steps.h"

CTwoPersonDoc::CTwoPersonDoc(NamesList &names, QObject *parent) : CDocument(parent), m_names(names)
{
}

void CTwoPersonDoc::RefreshPersons()
{
    birthText1 = DateText(birthDate1);
    birthDay1 = DayNumber(birthDate1);
    birthText2 = DateText(birthDate2);
    birthDay2 = DayNumber(birthDate2);
}

void CTwoPersonDoc::RefreshWeekdays()
{
    birthWeekday1 = WeekdayName(birthDate1);
    birthWeekday2 = WeekdayName(birthDate2);
}

void CTwoPersonDoc::TakeReadPersons(PersonRecord person1, PersonRecord person2)
{
    name1 = std::move(person1.name);
    birthDate1 = person1.birthDate;
    name2 = std::move(person2.name);
    birthDate2 = person2.birthDate;
    RegisterPerson(m_names, name1, birthDate1);
    RegisterPerson(m_names, name2, birthDate2);
}

bool CTwoPersonDoc::RunPersonsStep(const QString &title, bool directCreate, bool edit)
{
    CWizidentite step(DialogParent());
    step.m_names = m_names;
    step.m_bDirectCreate = directCreate;
    step.m_strTitle = title;
    if (edit) {
        step.m_bEdit = true;
        step.m_strName1 = name1;
        step.m_dateBirth1 = birthDate1;
        step.m_strName2 = name2;
        step.m_dateBirth2 = birthDate2;
    }
    if (!ConfirmIdentityStep(step, m_names))
        return false;
    name1 = step.m_strName1;
    birthDate1 = step.m_dateBirth1;
    name2 = step.m_strName2;
    birthDate2 = step.m_dateBirth2;
    RefreshPersons();
    return true;
}

bool CTwoPersonDoc::RunNewPersonsStep(const QString &title, bool directCreate)
{
    return RunPersonsStep(title, directCreate, false);
}

void CTwoPersonDoc::OnEditPersons()
{
    if (!RunPersonsStep(EditCaption(*this), false, true))
        return;
    RefreshWeekdays();
    ComputeResults();
    SetModifiedFlag();
    UpdateAllViews();
}
