#include "studies/groupe_doc.h"

#include "core/calendar.h"
#include "framework/archive.h"
#include "people/wizard_group.h"
#include "studies/study_steps.h"

CGroupeDoc::CGroupeDoc(NamesList &names, QObject *parent) : CDocument(parent), m_names(names) {}

const GroupPair &CGroupeDoc::Pair(int member1, int member2) const
{
    return pairs[size_t(GroupPairIndex(int(members.size()), member1, member2))];
}

int CGroupeDoc::BestPartner(int member) const
{
    const GroupPair &pair = pairs[size_t(bestPartnerPairs[size_t(member)])];
    return pair.person1 == member ? pair.person2 : pair.person1;
}

void CGroupeDoc::SetMembers(const QList<PersonRecord> &persons)
{
    members.clear();
    QList<qint32> birthDays;
    for (const PersonRecord &person : persons) {
        GroupMember member;
        member.name = person.name;
        member.birthDate = person.birthDate;
        member.birthText = DateText(person.birthDate);
        member.birthDay = DayNumber(person.birthDate);
        member.birthWeekday = WeekdayName(person.birthDate);
        birthDays.append(member.birthDay);
        members.append(std::move(member));
    }
    pairs = ComputeGroupPairs(birthDays);
    ranking = RankPairs(pairs);
    bestPartnerPairs = BestPartnerPairs(int(members.size()), pairs);
}

bool CGroupeDoc::RunMembersStep(const QString &title, bool edit)
{
    CWizgroupe step(DialogParent());
    step.m_names = m_names;
    step.m_strTitle = title;
    step.m_bEdit = edit;
    if (edit) {
        for (const GroupMember &member : std::as_const(members))
            step.m_members.append(PersonRecord{member.name, member.birthDate});
    }
    if (step.exec() != QDialog::Accepted)
        return false;
    m_names = step.m_names;
    SetMembers(step.m_members);
    return true;
}

bool CGroupeDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    if (!RunMembersStep(QStringLiteral("Groupe : Choix des Membres"), false))
        return false;
    SetModifiedFlag();
    return true;
}

void CGroupeDoc::OnEditPersons()
{
    if (!RunMembersStep(EditCaption(*this), true))
        return;
    SetModifiedFlag();
    UpdateAllViews();
}

void CGroupeDoc::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar.WriteInt32(kFileVersion);
        ar.WriteString(comment);
        ar.WriteInt32(qint32(members.size()));
        for (const GroupMember &member : std::as_const(members))
            WritePerson(ar, member.name, member.birthDate);
        return;
    }
    // Nothing is taken, and nobody registered, before the whole file has been read and checked.
    const qint32 version = ar.ReadInt32();
    QString readComment = ar.ReadString();
    const qint32 count = ar.ReadInt32();
    if (ar.ok() &&
        (version != kFileVersion || count < kGroupMinMembers || count > kGroupMaxMembers))
        ar.SetError(CArchive::Error::EndOfFile);
    QList<PersonRecord> persons;
    for (qint32 i = 0; ar.ok() && i < count; ++i)
        persons.append(ReadPerson(ar));
    if (!ar.ok())
        return;
    comment = std::move(readComment);
    for (const PersonRecord &person : std::as_const(persons))
        RegisterPerson(m_names, person.name, person.birthDate);
    SetMembers(persons);
}
