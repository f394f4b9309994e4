#include "charts/curve_chart_view.h"

#include "charts/curve_chart.h"
#include "core/calendar.h"
#include "studies/curve_period.h"
#include "studies/study_days.h"

#include <QAction>
#include <QHelpEvent>
#include <QStringList>
#include <QToolTip>
#include <cmath>

namespace {

// One decimal, truncated toward zero as every number shown, with a decimal comma.
QString OneDecimal(double value)
{
    const double truncated = std::trunc(value * 10) / 10 + 0.0; // + 0.0 turns -0 into 0
    return QString::number(truncated, 'f', 1).replace(u'.', u',');
}

} // namespace

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

bool CurveChartView::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return ChartView::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QString tip = DayTip(help->pos());
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tip, viewport());
    }
    return true;
}

QString CurveChartView::DayTip(const QPoint &point)
{
    const std::optional<StudyDays> days =
        GetDocument() ? StudyDays::Of(*GetDocument()) : std::nullopt;
    if (!days)
        return {};
    PageFrame frame;
    OnScreenDevice([&frame](DrawDevice &dc) {
        const int height = PageFontHeight(dc);
        frame = CurvePageFrame(ReadPageUnits(dc, height), height);
    });
    const int day = CurveChartColumns(frame, CurveGraphY(frame, int(days->Persons().size())))
                        .DayAt(point + GetScrollPosition());
    if (day < 0)
        return {};

    const COleDateTime date = COleDateTime::FromQDate(days->Date(day));
    const StudyDays::Values values = days->ValuesOf(day);
    QStringList lines{WeekdayName(date) + u' ' + DateText(date)};
    if (showAverage) {
        lines << QStringLiteral("Moyenne : ") + OneDecimal(values.average);
    } else {
        lines << QStringLiteral("Intellectuel : ") + OneDecimal(values.intellectual)
              << QStringLiteral("Sentimental : ") + OneDecimal(values.sentimental)
              << QStringLiteral("Physique : ") + OneDecimal(values.physical);
    }
    const QString critical = days->CriticalText(day);
    if (!critical.isEmpty())
        lines << QStringLiteral("Jours critiques : ") + critical;
    return lines.join(u'\n');
}
