#include "studies/biorythme_doc.h"

#include "framework/archive.h"
#include "people/wizard_identity.h"
#include "studies/study_steps.h"

COndarisDoc::COndarisDoc(NamesList &names, QObject *parent) : CDocument(parent), m_names(names) {}

void COndarisDoc::RefreshBirth()
{
    birthText = DateText(birthDate);
    birthDay = DayNumber(birthDate);
}

void COndarisDoc::RefreshWeekday()
{
    birthWeekday = WeekdayName(birthDate);
}

void COndarisDoc::ComputeCurves()
{
    FillCycleSeries(startDay - birthDay, curveIntellectual, curveSentimental, curvePhysical, pi);
}

bool COndarisDoc::RunIdentityStep(const QString &title, bool edit)
{
    CWizidentite step(DialogParent());
    step.m_names = m_names;
    step.m_bOnePerson = true;
    step.m_strTitle = title;
    if (edit) {
        step.m_bEdit = true;
        step.m_strName1 = name;
        step.m_dateBirth1 = birthDate;
    }
    if (!ConfirmIdentityStep(step, m_names))
        return false;
    name = step.m_strName1;
    birthDate = step.m_dateBirth1;
    RefreshBirth();
    return true;
}

bool COndarisDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    if (!RunIdentityStep(QStringLiteral("Biorythme : Données d'Identification"), false))
        return false;
    if (!ConfirmStartStep(QStringLiteral("Biorythme : Date de départ du biorythme"), false,
                          startDate))
        return false;
    RefreshStart();
    RefreshWeekday();
    ComputeCurves();
    SetModifiedFlag();
    return true;
}

void COndarisDoc::OnEditPersons()
{
    if (!RunIdentityStep(EditCaption(*this), true))
        return;
    RefreshWeekday();
    ComputeCurves();
    SetModifiedFlag();
    UpdateAllViews();
}

void COndarisDoc::OnEditStartDate()
{
    if (!EditStart(*this))
        return;
    ComputeCurves();
    SetModifiedFlag();
    UpdateAllViews();
}

void COndarisDoc::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(comment);
        WritePerson(ar, name, birthDate);
        ar.WriteDate(startDate);
        return;
    }
    // Nothing is taken, and nobody registered, before the whole file has been read and checked.
    QString readComment = ar.ReadString();
    PersonRecord person = ReadPerson(ar);
    const COleDateTime readStart = ReadStudyDate(ar);
    if (!ar.ok())
        return;
    comment = std::move(readComment);
    name = std::move(person.name);
    birthDate = person.birthDate;
    startDate = readStart;
    RegisterPerson(m_names, name, birthDate);
    RefreshBirth();
    RefreshStart();
    RefreshWeekday();
    ComputeCurves();
}
