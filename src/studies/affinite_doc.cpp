#include "studies/affinite_doc.h"

#include "core/affinity.h"
#include "framework/archive.h"

COndarisDoc3::COndarisDoc3(NamesList &names, QObject *parent) : CTwoPersonDoc(names, parent) {}

void COndarisDoc3::ComputeAffinityScores()
{
    AffinityScores scores = ::ComputeAffinityScores(birthDay1, birthDay2, pi);
    scoreIntellectual = scores.intellectual;
    scoreSentimental = scores.sentimental;
    scorePhysical = scores.physical;
    scoreAverage = scores.average;
    textIntellectual = std::move(scores.textIntellectual);
    textSentimental = std::move(scores.textSentimental);
    textPhysical = std::move(scores.textPhysical);
    textAverage = std::move(scores.textAverage);
}

bool COndarisDoc3::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    if (!RunNewPersonsStep(QStringLiteral("Affinité : Données d'Identification"), true))
        return false;
    RefreshWeekdays();
    ComputeAffinityScores();
    SetModifiedFlag();
    return true;
}

void COndarisDoc3::SetPersons(PersonRecord person1, PersonRecord person2)
{
    TakeReadPersons(std::move(person1), std::move(person2));
    RefreshPersons();
    RefreshWeekdays();
    ComputeAffinityScores();
}

void COndarisDoc3::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(comment);
        WritePerson(ar, name1, birthDate1);
        WritePerson(ar, name2, birthDate2);
        return;
    }
    // Nothing is taken, and nobody registered, before the whole file has been read and checked.
    QString readComment = ar.ReadString();
    PersonRecord person1 = ReadPerson(ar);
    PersonRecord person2 = ReadPerson(ar);
    if (!ar.ok())
        return;
    comment = std::move(readComment);
    SetPersons(std::move(person1), std::move(person2));
}
