#include "studies/compatibilite_doc.h"

#include "framework/archive.h"
#include "studies/study_steps.h"

COndarisDoc2::COndarisDoc2(NamesList &names, QObject *parent) : CTwoPersonDoc(names, parent) {}

void COndarisDoc2::ComputeMeanCurves()
{
    const int lived1 = startDay - birthDay1;
    const int lived2 = startDay - birthDay2;
    for (int k = 0; k < kSeriesLength; ++k) {
        curveIntellectual[k] = MeanCycleValue(kIntellectualPeriod, lived1, lived2, k, pi);
        curveSentimental[k] = MeanCycleValue(kSentimentalPeriod, lived1, lived2, k, pi);
        curvePhysical[k] = MeanCycleValue(kPhysicalPeriod, lived1, lived2, k, pi);
    }
}

bool COndarisDoc2::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    if (!RunNewPersonsStep(QStringLiteral("Compatibilité : Données d'Identification"), false))
        return false;
    if (!ConfirmStartStep(QStringLiteral("Compatibilité : Date de départ du biorythme"), false,
                          startDate))
        return false;
    RefreshStart();
    RefreshWeekdays();
    ComputeMeanCurves();
    SetModifiedFlag();
    return true;
}

void COndarisDoc2::OnEditStartDate()
{
    if (!EditStart(*this))
        return;
    ComputeMeanCurves();
    SetModifiedFlag();
    UpdateAllViews();
}

void COndarisDoc2::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(comment);
        WritePerson(ar, name1, birthDate1);
        WritePerson(ar, name2, birthDate2);
        ar.WriteDate(startDate);
        return;
    }
    // Nothing is taken, and nobody registered, before the whole file has been read and checked.
    QString readComment = ar.ReadString();
    PersonRecord person1 = ReadPerson(ar);
    PersonRecord person2 = ReadPerson(ar);
    const COleDateTime readStart = ReadStudyDate(ar);
    if (!ar.ok())
        return;
    comment = std::move(readComment);
    TakeReadPersons(std::move(person1), std::move(person2));
    startDate = readStart;
    RefreshPersons();
    RefreshStart();
    RefreshWeekdays();
    ComputeMeanCurves();
}
