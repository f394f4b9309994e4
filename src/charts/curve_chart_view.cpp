#include "charts/curve_chart_view.h"

#include "studies/curve_period.h"

#include <QAction>

CurveChartView::CurveChartView(CDocument *document, CurvePeriod &period, PageFunction page,
                               QWidget *parent)
    : ChartView(document, parent), m_period(period), m_page(std::move(page)),
      m_averageAction(new QAction(QStringLiteral("Mo&yenne"), this))
{
    m_averageAction->setCheckable(true);
    m_averageAction->setStatusTip(QStringLiteral("Affiche la moyenne des trois courbes"));
    m_averageAction->setToolTip(QStringLiteral("Moyenne"));
    connect(m_averageAction, &QAction::triggered, this, [this]() {
        if (m_averageAction->isChecked() != showAverage)
            OnAverage();
    });
}

void CurveChartView::OnAverage()
{
    showAverage = !showAverage;
    m_averageAction->setChecked(showAverage);
    viewport()->update();
    Q_EMIT showAverageChanged(showAverage);
}

QSize CurveChartView::DrawPage(DrawDevice &dc)
{
    return m_page(dc, fontHeight, showAverage);
}

QString &CurveChartView::Comment()
{
    return m_period.comment;
}
