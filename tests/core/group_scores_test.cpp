#include "common/exact.h"
#include "core/group_scores.h"

#include <QTest>

class GroupScoresTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pairsAreTheAffinityScores_data();
    void pairsAreTheAffinityScores();
    void ranking_data();
    void ranking();
    void bestPartners_data();
    void bestPartners();
};

void GroupScoresTest::pairsAreTheAffinityScores_data()
{
    QTest::addColumn<QList<qint32>>("birthDays");
    QTest::newRow("two") << QList<qint32>{719000, 719001};
    // Equal distances (0-1 and 1-2) share a computation; twins make a distance of 0.
    QTest::newRow("equal distances and twins") << QList<qint32>{719000, 719001, 719002, 719002};
    QTest::newRow("a family") << QList<qint32>{700123, 712345, 718999, 725000, 733333, 733334};
}

void GroupScoresTest::pairsAreTheAffinityScores()
{
    QFETCH(QList<qint32>, birthDays);
    const auto n = int(birthDays.size());
    const std::vector<GroupPair> pairs = ComputeGroupPairs(birthDays);
    QCOMPARE(int(pairs.size()), n * (n - 1) / 2);
    for (int a = 0; a < n; ++a) {
        for (int b = 0; b < n; ++b) {
            if (a == b)
                continue;
            const GroupPair &pair = pairs[size_t(GroupPairIndex(n, a, b))];
            QCOMPARE(pair.person1, std::min(a, b));
            QCOMPARE(pair.person2, std::max(a, b));
            // Either order of the two persons, as an Affinité study would take them.
            const AffinityScores own = ComputeAffinityScores(birthDays.at(a), birthDays.at(b));
            QCOMPARE(Exact(pair.scores.intellectual), Exact(own.intellectual));
            QCOMPARE(Exact(pair.scores.sentimental), Exact(own.sentimental));
            QCOMPARE(Exact(pair.scores.physical), Exact(own.physical));
            QCOMPARE(Exact(pair.scores.average), Exact(own.average));
            QCOMPARE(pair.scores.textIntellectual, own.textIntellectual);
            QCOMPARE(pair.scores.textSentimental, own.textSentimental);
            QCOMPARE(pair.scores.textPhysical, own.textPhysical);
            QCOMPARE(pair.scores.textAverage, own.textAverage);
        }
    }
}

namespace {

std::vector<GroupPair> WithAverages(int members, const QList<double> &averages)
{
    std::vector<GroupPair> pairs;
    qsizetype next = 0;
    for (int a = 0; a < members; ++a) {
        for (int b = a + 1; b < members; ++b) {
            GroupPair pair{a, b, {}};
            pair.scores.average = averages.at(next++);
            pairs.push_back(pair);
        }
    }
    return pairs;
}

} // namespace

void GroupScoresTest::ranking_data()
{
    QTest::addColumn<int>("members");
    QTest::addColumn<QList<double>>("averages"); // (0,1), (0,2), (0,3), (1,2), ...
    QTest::addColumn<QList<int>>("expected");    // places in the list, best first

    QTest::newRow("distinct") << 3 << QList<double>{50, 90, 70} << QList<int>{1, 2, 0};
    // Equal averages keep the group's order: (0,2) before (1,2) before (2,3).
    QTest::newRow("ties in the group's order")
        << 4 << QList<double>{10, 80, 20, 80, 30, 80} << QList<int>{1, 3, 5, 4, 2, 0};
    QTest::newRow("all equal") << 3 << QList<double>{100, 100, 100} << QList<int>{0, 1, 2};
}

void GroupScoresTest::ranking()
{
    QFETCH(int, members);
    QFETCH(QList<double>, averages);
    QFETCH(QList<int>, expected);
    const std::vector<int> ranking = RankPairs(WithAverages(members, averages));
    QCOMPARE(QList<int>(ranking.begin(), ranking.end()), expected);
}

void GroupScoresTest::bestPartners_data()
{
    QTest::addColumn<int>("members");
    QTest::addColumn<QList<double>>("averages");
    QTest::addColumn<QList<int>>("expected"); // the place of each member's best pair

    QTest::newRow("two") << 2 << QList<double>{42} << QList<int>{0, 0};
    // Member 0: (0,1) 50, (0,2) 90 -> 1; member 1: (0,1) 50, (1,2) 70 -> 2; member 2: 90 -> 1.
    QTest::newRow("distinct") << 3 << QList<double>{50, 90, 70} << QList<int>{1, 2, 1};
    // Member 2 has 80 with 0, 1 and 3: the first of them in the group, member 0.
    QTest::newRow("tie goes to the first partner")
        << 4 << QList<double>{10, 80, 20, 80, 30, 80} << QList<int>{1, 3, 1, 5};
}

void GroupScoresTest::bestPartners()
{
    QFETCH(int, members);
    QFETCH(QList<double>, averages);
    QFETCH(QList<int>, expected);
    const std::vector<int> best = BestPartnerPairs(members, WithAverages(members, averages));
    QCOMPARE(QList<int>(best.begin(), best.end()), expected);
}

QTEST_MAIN(GroupScoresTest)
#include "group_scores_test.moc"
