#pragma once

#include "charts/chart_view.h"

class CGroupeDoc;
class GroupeGrid;

// The group page in its window, and beside it the grid of every pair.
class CGroupeView : public ChartView
{
    Q_OBJECT
public:
    explicit CGroupeView(CGroupeDoc *document, QWidget *parent = nullptr);

    QWidget *SidePanel() const override;
    GroupeGrid *Grid() const { return m_grid; }

Q_SIGNALS:
    // The user asked for the pair of these two members (0-based) as an Affinité study.
    void pairChosen(int member1, int member2);

protected:
    QSize DrawPage(DrawDevice &dc) override;
    PageReading ReadPage() const override;
    QString &Comment() override;
    QString PersonsItemText() const override { return QStringLiteral("&Membres..."); }

private:
    CGroupeDoc *m_study;
    GroupeGrid *m_grid;
};
