#pragma once

#include "charts/chart_view.h"

#include <functional>

class QAction;
struct CurvePeriod;

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
    // The study's page at a font height, with the average curve or the three cycles.
    using PageFunction = std::function<QSize(DrawDevice &dc, int fontHeight, bool showAverage)>;

    CurveChartView(CDocument *document, CurvePeriod &period, PageFunction page, QWidget *parent);

    QSize DrawPage(DrawDevice &dc) override;
    QString &Comment() override;

    // A tool tip over a day column: the date, the day's values, its critical cycles.
    bool viewportEvent(QEvent *event) override;

private:
    // The tool tip of the point of the viewport, or an empty text outside the day columns.
    QString DayTip(const QPoint &point);

    CurvePeriod &m_period;
    PageFunction m_page;
    QAction *m_averageAction;
};
