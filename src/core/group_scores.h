#pragma once

#include "core/affinity.h"

#include <QList>
#include <vector>

// A group holds from 2 to 100 members, as many as the names list.
inline constexpr int kGroupMinMembers = 2;
inline constexpr int kGroupMaxMembers = 100;

// One pair of a group: two members by their place in the group, the first before the second,
// and the Affinité study's scores of the two.
struct GroupPair
{
    int person1 = 0;
    int person2 = 0;
    AffinityScores scores;
};

// Every pair of the members whose birth day numbers are given, (0, 1), (0, 2) ... (1, 2) ...:
// the scores are those that an Affinité study of the two persons works out.
std::vector<GroupPair> ComputeGroupPairs(const QList<qint32> &birthDays);

// Where the pair of two different members lies in ComputeGroupPairs' list, in either order.
int GroupPairIndex(int memberCount, int member1, int member2);

// The pairs' places, highest average first; equal averages keep the group's order (first member,
// then second), so that a ranking never depends on how the sort went.
std::vector<int> RankPairs(const std::vector<GroupPair> &pairs);

// For each member, the place of the pair with the highest average among that member's pairs; on
// equal averages the partner who comes first in the group.
std::vector<int> BestPartnerPairs(int memberCount, const std::vector<GroupPair> &pairs);
