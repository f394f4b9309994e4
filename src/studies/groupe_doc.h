#pragma once

#include "core/group_scores.h"
#include "core/ole_date_time.h"
#include "framework/document.h"
#include "people/names_list.h"

#include <QList>
#include <QString>
#include <vector>

// A member of a group as the page shows it: the name and birth date the file keeps, and what is
// worked out from the date, as the other studies do for their persons.
struct GroupMember
{
    QString name;
    COleDateTime birthDate;
    QString birthWeekday;
    QString birthText;
    qint32 birthDay = 0;
};

inline const QString kGroupComment = QStringLiteral("Aucun commentaire à propos de ce groupe.");

// The "Groupe" study (.grp): from 2 to 100 members and, for every pair of them, the scores of
// their Affinité study. The page and the grid read the members directly.
class CGroupeDoc : public CDocument
{
    Q_OBJECT
public:
    // The first number of a group file; a file of another version is refused.
    static constexpr qint32 kFileVersion = 1;

    explicit CGroupeDoc(NamesList &names, QObject *parent = nullptr);

    QList<GroupMember> members;
    QString comment = kGroupComment;
    // Worked out from the members after each creation, edit and load, never stored.
    std::vector<GroupPair> pairs;      // (0, 1), (0, 2) ... (1, 2) ...
    std::vector<int> ranking;          // places in pairs, highest average first
    std::vector<int> bestPartnerPairs; // for each member, the place of its best pair

    const GroupPair &Pair(int member1, int member2) const;
    // The member with whom this one has the highest average.
    int BestPartner(int member) const;

    bool OnNewDocument() override;
    void Serialize(CArchive &ar) override;
    // "Modifier > Membres...": the members through the members step, then the scores again.
    void OnEditPersons() override;

    // Takes the members (name and birth date) and works everything out again.
    void SetMembers(const QList<PersonRecord> &persons);

private:
    bool RunMembersStep(const QString &title, bool edit);

    NamesList &m_names;
};
