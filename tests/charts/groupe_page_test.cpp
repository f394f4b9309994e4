#include "charts/groupe_page.h"
#include "charts/page_frame.h"
#include "common/french_locale.h"
#include "recorder.h"
#include "studies/groupe_doc.h"

#include <QTest>

using Call = RecordingDevice::Call;

namespace {

constexpr int L = 20;
constexpr int cw = 8;

QList<PersonRecord> Members(int count)
{
    QList<PersonRecord> persons;
    for (int i = 0; i < count; ++i)
        persons.append({QStringLiteral("M%1").arg(i + 1),
                        COleDateTime(1940 + i % 60, 1 + i % 12, 1 + (i * 7) % 28)});
    return persons;
}

int LowestText(const RecordingDevice &dc)
{
    int lowest = 0;
    for (const Call &call : dc.callsOf(Call::Text))
        lowest = std::max(lowest, call.points.first().y());
    return lowest;
}

} // namespace

// The group page on a recorder with cw = 8 and L = 20: left 96, right 848, labels at 104.
class GroupePageTest : public QObject
{
    Q_OBJECT

private:
    NamesList m_names;

private Q_SLOTS:
    void smallGroup()
    {
        CGroupeDoc doc(m_names);
        doc.SetMembers({{QStringLiteral("Claire"), COleDateTime(1970, 3, 15)},
                        {QString(), COleDateTime(1970, 3, 16)},
                        {QStringLiteral("Paul"), COleDateTime(1982, 11, 2)}});
        doc.comment = QStringLiteral("un\r\ndeux");
        RecordingDevice dc(UnitsChoice(L, cw));
        const QSize extent = DrawGroupePage(dc, doc, 17);

        const QString title = QStringLiteral("Ondaris v3 - Biorythme : Affinités d'un groupe");
        QCOMPARE(TextAt(dc, title), QPoint((96 + 848 - cw * int(title.size())) / 2, 3 * L));
        QCOMPARE(TextAt(dc, QStringLiteral("Membres et meilleurs partenaires :")),
                 QPoint(104, 5 * L));
        QCOMPARE(TextAt(dc, QStringLiteral("Meilleur partenaire")), QPoint(96 + 413, 6 * L));
        QCOMPARE(TextAt(dc, QStringLiteral("Claire (Dimanche 15/03/1970)")), QPoint(136, 7 * L));
        QCOMPARE(TextAt(dc, QStringLiteral("Anonyme (Lundi 16/03/1970)")), QPoint(136, 8 * L));
        // A day apart, Claire and the anonymous member are each other's best partners.
        QCOMPARE(doc.BestPartner(0), 1);
        QCOMPARE(TextAt(dc, QStringLiteral("2. Anonyme")), QPoint(96 + 413, 7 * L));
        QCOMPARE(TextAt(dc, QStringLiteral("1. Claire")), QPoint(96 + 413, 8 * L));

        QCOMPARE(TextAt(dc, QStringLiteral("Paires par affinité :")), QPoint(104, 11 * L));
        QCOMPARE(TextAt(dc, QStringLiteral("Intellectuel")), QPoint(96 + 47 * cw, 12 * L));
        // The best pair first, its average in the average's colour.
        const Call *best = dc.findText(QStringLiteral("Claire – Anonyme"));
        QVERIFY(best);
        QCOMPARE(best->points.first(), QPoint(152, 13 * L));
        const Call *average = dc.findText(doc.Pair(0, 1).scores.textAverage + QStringLiteral("%"));
        QVERIFY(average);
        QCOMPARE(average->textColor, kAverageColor);
        QVERIFY(!dc.texts().join(u'|').contains(QStringLiteral("autres paires")));
        // Three pairs from 13 L, then the comment below an empty line.
        QCOMPARE(TextAt(dc, QStringLiteral("Commentaires :")), QPoint(104, 17 * L));
        QCOMPARE(TextAt(dc, QStringLiteral("deux")).y(), 19 * L);
        QCOMPARE(extent.height(), 21 * L);
        QCOMPARE(dc.state().textColor, kBlack);
    }

    void pairsAsManyAsThePageHolds_data()
    {
        QTest::addColumn<int>("members");
        QTest::addColumn<QString>("others");
        // 30 members: two columns of 15; rows of pairs from 25 L, 37 of them, then the count.
        QTest::newRow("30 members") << 30 << QStringLiteral("et 398 autres paires");
        // 100: three columns of 34; the pairs from 44 L, 18 of them.
        QTest::newRow("100 members") << 100 << QStringLiteral("et 4932 autres paires");
    }

    void pairsAsManyAsThePageHolds()
    {
        QFETCH(int, members);
        QFETCH(QString, others);
        CGroupeDoc doc(m_names);
        doc.SetMembers(Members(members));
        RecordingDevice dc(UnitsChoice(L, cw));
        DrawGroupePage(dc, doc, 17);
        QVERIFY2(dc.findText(others), qPrintable(dc.texts().filter(u"autres").join(u'|')));
        QVERIFY(LowestText(dc) < kGroupPageLines * L);
        QVERIFY(dc.findText(QString::number(members)));
        QVERIFY(!dc.findText(QStringLiteral("Meilleur partenaire")));
        QVERIFY(dc.findText(QStringLiteral("Avec")));
    }

    void longNamesAreCutToTheirColumn()
    {
        CGroupeDoc doc(m_names);
        const QString longName = QString(60, u'x');
        doc.SetMembers(
            {{longName, COleDateTime(1970, 3, 15)}, {longName, COleDateTime(1971, 3, 15)}});
        RecordingDevice dc(UnitsChoice(L, cw));
        DrawGroupePage(dc, doc, 17);
        const QList<Call> texts = dc.callsOf(Call::Text);
        const Call *pair = nullptr;
        for (const Call &call : texts) {
            if (call.points.first() == QPoint(152, 12 * L))
                pair = &call;
        }
        QVERIFY(pair);
        QVERIFY(pair->text.endsWith(QStringLiteral("…")));
        // The pair's column ends one cw before the first score.
        QVERIFY(int(pair->text.size()) * cw <= 96 + 47 * cw - 152 - cw);
    }

    void reading()
    {
        CGroupeDoc doc(m_names);
        doc.SetMembers(Members(4));
        const PageReading page = GroupePageReading(doc);
        QCOMPARE(page.textsBefore.first(),
                 QStringLiteral("Ondaris v3 - Biorythme : Affinités d'un groupe"));
        QCOMPARE(page.textsBefore.size(), 2 + 4);
        QCOMPARE(page.tableName, QStringLiteral("Paires par affinité"));
        QCOMPARE(page.columns,
                 (QStringList{QStringLiteral("Rang"), QStringLiteral("Paire"),
                              QStringLiteral("Intellectuel"), QStringLiteral("Sentimental"),
                              QStringLiteral("Physique"), QStringLiteral("Moyenne")}));
        QCOMPARE(page.rows.size(), 6);
        const GroupPair &first = doc.pairs[size_t(doc.ranking.front())];
        QCOMPARE(page.rows.first().at(1), MemberName(doc, first.person1) + QStringLiteral(" – ") +
                                              MemberName(doc, first.person2));
        QCOMPARE(page.rows.first().at(5), first.scores.textAverage + QStringLiteral("%"));
        QCOMPARE(page.textsAfter, (QStringList{QStringLiteral("Commentaires :"), kGroupComment}));
    }
};

QTEST_MAIN_FRENCH(GroupePageTest)
#include "groupe_page_test.moc"
