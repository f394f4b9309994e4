#include "charts/groupe_grid.h"
#include "studies/groupe_doc.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

// Four members: 0 and 1 a day apart, 2 and 3 twins (every score 100).
QList<PersonRecord> Members()
{
    return {{QStringLiteral("Anne"), COleDateTime(1970, 3, 15)},
            {QStringLiteral("Bruno"), COleDateTime(1970, 3, 16)},
            {QStringLiteral("Chloé"), COleDateTime(1990, 8, 1)},
            {QStringLiteral("Denis"), COleDateTime(1990, 8, 1)}};
}

QString Cell(const QTableView &table, int row, int column)
{
    return table.model()->index(row, column).data().toString();
}

} // namespace

class GroupeGridTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellsAreThePairsScores_data();
    void cellsAreThePairsScores();
    void sortsRowsByAColumn();
    void keyboardAndClickChooseAPair();
    void readAsATable();
    void followsTheMembers();

private:
    NamesList m_names;
};

void GroupeGridTest::cellsAreThePairsScores_data()
{
    QTest::addColumn<int>("cycle");
    QTest::newRow("Intellectuel") << int(GroupeGrid::Intellectual);
    QTest::newRow("Sentimental") << int(GroupeGrid::Sentimental);
    QTest::newRow("Physique") << int(GroupeGrid::Physical);
    QTest::newRow("Moyenne") << int(GroupeGrid::Average);
}

void GroupeGridTest::cellsAreThePairsScores()
{
    QFETCH(int, cycle);
    CGroupeDoc doc(m_names);
    doc.SetMembers(Members());
    GroupeGrid grid(doc);
    grid.ShowCycle(GroupeGrid::Cycle(cycle));
    const QTableView &table = *grid.Table();
    QCOMPARE(table.model()->rowCount(), 4);
    QCOMPARE(table.model()->columnCount(), 4);
    const QString AffinityScores::*texts[] = {
        &AffinityScores::textIntellectual, &AffinityScores::textSentimental,
        &AffinityScores::textPhysical, &AffinityScores::textAverage};
    for (int row = 0; row < 4; ++row) {
        QCOMPARE(Cell(table, row, row), QString());
        for (int column = 0; column < 4; ++column) {
            if (row != column)
                QCOMPARE(Cell(table, row, column), doc.Pair(row, column).scores.*texts[cycle]);
        }
    }
    // A darker shade for a higher score: the twins' 100 against a pair a day apart.
    const QColor twins = table.model()->index(2, 3).data(Qt::BackgroundRole).value<QColor>();
    const QColor apart = table.model()->index(0, 2).data(Qt::BackgroundRole).value<QColor>();
    QVERIFY(twins.lightness() < apart.lightness());
}

void GroupeGridTest::sortsRowsByAColumn()
{
    CGroupeDoc doc(m_names);
    doc.SetMembers(Members());
    GroupeGrid grid(doc);
    QTableView &table = *grid.Table();
    // Column 4 (Denis), highest first: Chloé (his twin) first, Denis himself last.
    table.horizontalHeader()->setSortIndicator(3, Qt::DescendingOrder);
    QCOMPARE(table.model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("3. Chloé"));
    QCOMPARE(Cell(table, 0, 3), QStringLiteral("100"));
    QCOMPARE(table.model()->headerData(3, Qt::Vertical).toString(), QStringLiteral("4. Denis"));
}

void GroupeGridTest::keyboardAndClickChooseAPair()
{
    CGroupeDoc doc(m_names);
    doc.SetMembers(Members());
    GroupeGrid grid(doc);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QTableView &table = *grid.Table();
    QSignalSpy chosen(&grid, &GroupeGrid::pairChosen);
    table.setFocus();
    table.setCurrentIndex(table.model()->index(0, 0));
    QTest::keyClick(&table, Qt::Key_Right);
    QTest::keyClick(&table, Qt::Key_Down);
    QTest::keyClick(&table, Qt::Key_Down);
    QCOMPARE(table.currentIndex().row(), 2);
    QCOMPARE(table.currentIndex().column(), 1);
    QTest::keyClick(&table, Qt::Key_Return);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.at(0), (QVariantList{2, 1}));
    // The diagonal is nobody's pair.
    table.setCurrentIndex(table.model()->index(1, 1));
    QTest::keyClick(&table, Qt::Key_Enter);
    QCOMPARE(chosen.size(), 1);
    const QRect cell = table.visualRect(table.model()->index(0, 3));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(chosen.size(), 2);
    QCOMPARE(chosen.at(1), (QVariantList{0, 3}));
}

void GroupeGridTest::readAsATable()
{
    CGroupeDoc doc(m_names);
    doc.SetMembers(Members());
    GroupeGrid grid(doc);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(grid.Table());
    QVERIFY(table);
    QCOMPARE(table->role(), QAccessible::Table);
    QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Grille des affinités"));
    QAccessibleTableInterface *cells = table->tableInterface();
    QVERIFY(cells);
    QCOMPARE(cells->rowCount(), 4);
    QCOMPARE(cells->columnCount(), 4);
    QAccessibleInterface *cell = cells->cellAt(2, 3);
    QVERIFY(cell);
    // A cell says whose pair it is, and all four scores.
    QCOMPARE(cell->text(QAccessible::Name),
             QStringLiteral("Chloé et Denis : Intellectuel 100 %, Sentimental 100 %, Physique 100 "
                            "%, Moyenne 100 %"));
}

void GroupeGridTest::followsTheMembers()
{
    CGroupeDoc doc(m_names);
    doc.SetMembers(Members());
    GroupeGrid grid(doc);
    doc.SetMembers(Members().mid(0, 2));
    grid.Refresh();
    QCOMPARE(grid.Table()->model()->rowCount(), 2);
    QCOMPARE(Cell(*grid.Table(), 0, 1), doc.Pair(0, 1).scores.textAverage);
}

QTEST_MAIN(GroupeGridTest)
#include "groupe_grid_test.moc"
