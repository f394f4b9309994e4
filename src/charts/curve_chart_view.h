#pragma once

#include "charts/chart_view.h"

class QAction;

// The Biorythme and Compatibilité views: a chart of curves with the "Mo&yenne" toggle, which
// belongs to the window and not to the study.
class CurveChartView : public ChartView
{
    Q_OBJECT
public:
    // Draw the average curve instead of the three cycles.
    bool showAverage = false;

    // "Mo&yenne", checked exactly while the average is shown.
    QAction *averageAction() const { return m_averageAction; }

public Q_SLOTS:
    void OnAverage();

Q_SIGNALS:
    void showAverageChanged(bool shown);

protected:
    CurveChartView(CDocument *document, QWidget *parent);

private:
    QAction *m_averageAction;
};
