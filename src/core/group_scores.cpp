#include "core/group_scores.h"

#include <QHash>
#include <algorithm>
#include <cstdlib>

std::vector<GroupPair> ComputeGroupPairs(const QList<qint32> &birthDays)
{
    const auto count = int(birthDays.size());
    std::vector<GroupPair> pairs;
    pairs.reserve(size_t(count) * size_t(std::max(count - 1, 0)) / 2);
    // The scores depend on the distance between the two birth days alone: members born the
    // same number of days apart share one computation, bit for bit the same.
    QHash<qint64, AffinityScores> byDistance;
    for (int first = 0; first < count; ++first) {
        for (int second = first + 1; second < count; ++second) {
            const qint64 distance =
                std::llabs(qint64(birthDays.at(first)) - qint64(birthDays.at(second)));
            auto found = byDistance.constFind(distance);
            if (found == byDistance.constEnd())
                found = byDistance.insert(
                    distance, ComputeAffinityScores(birthDays.at(first), birthDays.at(second)));
            pairs.push_back(GroupPair{first, second, *found});
        }
    }
    return pairs;
}

int GroupPairIndex(int memberCount, int member1, int member2)
{
    const int first = std::min(member1, member2);
    const int second = std::max(member1, member2);
    return first * memberCount - first * (first + 1) / 2 + (second - first - 1);
}

std::vector<int> RankPairs(const std::vector<GroupPair> &pairs)
{
    std::vector<int> ranking(pairs.size());
    for (size_t i = 0; i < ranking.size(); ++i)
        ranking[i] = int(i);
    // The pairs are listed in the group's order: a stable sort keeps it among equals.
    std::stable_sort(ranking.begin(), ranking.end(), [&pairs](int left, int right) {
        return pairs[size_t(left)].scores.average > pairs[size_t(right)].scores.average;
    });
    return ranking;
}

std::vector<int> BestPartnerPairs(int memberCount, const std::vector<GroupPair> &pairs)
{
    std::vector<int> best(size_t(std::max(memberCount, 0)), -1);
    for (int member = 0; member < memberCount; ++member) {
        for (int partner = 0; partner < memberCount; ++partner) {
            if (partner == member)
                continue;
            const int index = GroupPairIndex(memberCount, member, partner);
            int &kept = best[size_t(member)];
            if (kept < 0 ||
                pairs[size_t(index)].scores.average > pairs[size_t(kept)].scores.average)
                kept = index;
        }
    }
    return best;
}
