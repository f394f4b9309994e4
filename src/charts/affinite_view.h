#pragma once

#include "charts/chart_view.h"

class COndarisDoc3;

// The Affinité page of a study in its window: scores and histogram, without an average toggle.
class COndarisView3 : public ChartView
{
    Q_OBJECT
public:
    explicit COndarisView3(COndarisDoc3 *document, QWidget *parent = nullptr);

    // Units taken off the bars whose units digit is above 5: 1 on screen, 3 on paper.
    int barCorrection = 0;

    void OnPrepareDC(DrawDevice &dc) override;

protected:
    QSize DrawPage(DrawDevice &dc) override;
    PageReading ReadPage() const override;
    QString &Comment() override;

private:
    COndarisDoc3 *m_study;
};
