#pragma once

#include <QWidget>

class CGroupeDoc;
class QComboBox;
class QSortFilterProxyModel;
class QTableView;
class GroupeGridModel;

// Every pair of a group at once: the members by the members, one cycle at a time or the
// average, each cell shaded the darker the higher its score and always with its number. The
// rows sort by the column whose header is clicked; a click on a cell, or Enter on it, asks for
// that pair as an Affinité study.
class GroupeGrid : public QWidget
{
    Q_OBJECT
public:
    // The cycles the grid shows, in the order of its choice box.
    enum Cycle { Intellectual, Sentimental, Physical, Average };

    explicit GroupeGrid(const CGroupeDoc &doc, QWidget *parent = nullptr);
    ~GroupeGrid() override;

    void ShowCycle(Cycle cycle);
    QTableView *Table() const { return m_table; }

public Q_SLOTS:
    // The members have changed.
    void Refresh();

Q_SIGNALS:
    void pairChosen(int member1, int member2);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Choose(const QModelIndex &index);

    GroupeGridModel *m_model;
    QSortFilterProxyModel *m_sorted;
    QComboBox *m_cycle;
    QTableView *m_table;
};
