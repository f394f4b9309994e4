#include "charts/curve_chart_view.h"

#include "charts/day_reading.h"
#include "charts/day_tip.h"
#include "charts/midnight_timer.h"
#include "charts/page_accessible.h"
#include "framework/study_history.h"
#include "studies/curve_period.h"
#include "studies/study_days.h"

#include <QAction>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <algorithm>

namespace {

const QColor kCursorBand(255, 238, 170);
const QColor kTodayColor(96, 96, 96);
const QString kToday = QStringLiteral("Aujourd'hui");

} // namespace

CurveChartView::CurveChartView(CDocument *document, CurvePeriod &period, HeaderFunction header,
                               QWidget *parent)
    : ChartView(document, parent), m_period(period), m_header(std::move(header)),
      m_averageAction(new QAction(QStringLiteral("Mo&yenne"), this)),
      m_clock(&QDateTime::currentDateTime), m_midnight(MidnightTimer(this))
{
    m_averageAction->setCheckable(true);
    m_averageAction->setStatusTip(QStringLiteral("Affiche la moyenne des trois courbes"));
    m_averageAction->setToolTip(QStringLiteral("Moyenne"));
    connect(m_averageAction, &QAction::triggered, this, [this]() {
        if (m_averageAction->isChecked() != showAverage)
            OnAverage();
    });

    connect(m_midnight, &QTimer::timeout, this, &CurveChartView::FollowToday);
    if (document)
        connect(document, &CDocument::allViewsUpdate, this, [this]() {
            FollowToday();
            FollowStart();
        });
    m_cursorStart = m_period.startDay;
    FollowToday();
    m_cursor = std::max(m_today, 0);
}

void CurveChartView::SetClock(Clock clock)
{
    m_clock = std::move(clock);
    FollowToday();
    m_cursor = std::max(m_today, 0);
}

void CurveChartView::OnAverage()
{
    ToggleAverage();
    if (CDocument *document = GetDocument())
        study_history::RecordToggle(*document, QStringLiteral("Moyenne"),
                                    [view = QPointer<CurveChartView>(this)] {
                                        if (view)
                                            view->ToggleAverage();
                                    });
}

void CurveChartView::ToggleAverage()
{
    showAverage = !showAverage;
    m_averageAction->setChecked(showAverage);
    viewport()->update();
    PageChanged();
    Q_EMIT showAverageChanged(showAverage);
}

QSize CurveChartView::DrawPage(DrawDevice &dc)
{
    return DrawCurvePage(dc, fontHeight, m_header(), m_period, showAverage);
}

PageReading CurveChartView::ReadPage() const
{
    const std::optional<StudyDays> days = StudyDays::Of(*GetDocument());
    return days ? CurvePageReading(m_header(), m_period, *days, showAverage) : PageReading{};
}

QString &CurveChartView::Comment()
{
    return m_period.comment;
}

QString CurveChartView::DayText(int day) const
{
    const std::optional<StudyDays> days =
        GetDocument() ? StudyDays::Of(*GetDocument()) : std::nullopt;
    if (!days || day < 0 || day >= StudyDays::kPageSpan)
        return {};
    return DayReading::Of(*days, day, showAverage).Lines(showAverage).join(u'\n');
}

const CurveChartView::ScreenLayout &CurveChartView::LayoutOnScreen(DrawDevice &dc, int height)
{
    if (!m_screenLayout || m_screenLayout->fontHeight != height) {
        const PageFrame frame = CurvePageFrame(ReadPageUnits(dc, height), height);
        m_screenLayout = ScreenLayout{
            height, frame,
            CurveChartColumns(frame, CurveGraphY(frame, int(m_header().persons.size())))};
    }
    return *m_screenLayout;
}

ChartColumns CurveChartView::ScreenColumns()
{
    ChartColumns columns;
    OnScreenDevice([this, &columns](DrawDevice &dc) {
        columns = LayoutOnScreen(dc, PageFontHeight(dc)).columns;
    });
    return columns;
}

void CurveChartView::OnDraw(DrawDevice &dc)
{
    if (!dc.IsPrinting() && GetDocument()) {
        dc.SaveState();
        const ScreenLayout &layout = LayoutOnScreen(dc, fontHeight);
        const PageFrame &frame = layout.frame;
        const ChartColumns &columns = layout.columns;
        // Inside the column's lines, which the page draws over it.
        const int x = columns.left + m_cursor * columns.step;
        dc.FillPolygon({QPoint(x + 1, columns.top + 1), QPoint(x + columns.step, columns.top + 1),
                        QPoint(x + columns.step, columns.bottom), QPoint(x + 1, columns.bottom)},
                       kCursorBand);
        if (m_today >= 0) {
            // Small, above the weekday letter, centred on the column.
            dc.SelectFont(TextFont(fontHeight * 3 / 4));
            dc.SetTextColor(kTodayColor);
            const int center = columns.left + m_today * columns.step + columns.step / 2;
            dc.TextOut(center - dc.TextWidth(kToday) / 2, columns.top - 2 * frame.units.L, kToday);
        }
        dc.RestoreState();
    }
    ChartView::OnDraw(dc);
}

bool CurveChartView::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return ChartView::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    return ShowDayTip(viewport(), event,
                      DayText(ScreenColumns().DayAt(help->pos() + GetScrollPosition())));
}

void CurveChartView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        MoveCursor(m_cursor - 1);
        break;
    case Qt::Key_Right:
        MoveCursor(m_cursor + 1);
        break;
    case Qt::Key_Home:
        MoveCursor(0);
        break;
    case Qt::Key_End:
        MoveCursor(StudyDays::kPageSpan - 1);
        break;
    default:
        ChartView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CurveChartView::focusInEvent(QFocusEvent *event)
{
    ChartView::focusInEvent(event);
    if (GetDocument())
        ShowCursorDay();
}

void CurveChartView::MoveCursor(int day)
{
    if (!GetDocument())
        return;
    m_cursor = std::clamp(day, 0, StudyDays::kPageSpan - 1);
    // The band in sight: the column across, the chart's height as far as the window allows.
    const ChartColumns columns = ScreenColumns();
    const int x = columns.left + m_cursor * columns.step;
    QScrollBar *across = horizontalScrollBar();
    if (x < across->value())
        across->setValue(x);
    else if (x + columns.step > across->value() + viewport()->width())
        across->setValue(x + columns.step - viewport()->width());
    QScrollBar *down = verticalScrollBar();
    if (columns.bottom > down->value() + viewport()->height())
        down->setValue(columns.bottom - viewport()->height());
    if (columns.top < down->value())
        down->setValue(columns.top);
    viewport()->update();
    ShowCursorDay();
    NotifyRowFocus(this, m_cursor);
}

void CurveChartView::ShowCursorDay()
{
    QStatusTipEvent tip(DayText(m_cursor).replace(u'\n', QStringLiteral(" – ")));
    QCoreApplication::sendEvent(this, &tip);
}

void CurveChartView::FollowToday()
{
    const QDateTime now = m_clock();
    const std::optional<StudyDays> days =
        GetDocument() ? StudyDays::Of(*GetDocument()) : std::nullopt;
    const qint64 today = days ? days->Date(0).daysTo(now.date()) : -1;
    const int was = m_today;
    m_today = today >= 0 && today < StudyDays::kPageSpan ? int(today) : -1;
    if (m_today != was)
        viewport()->update();
    StartForMidnight(*m_midnight, now);
}

void CurveChartView::FollowStart()
{
    if (m_period.startDay == m_cursorStart)
        return;
    m_cursorStart = m_period.startDay;
    m_cursor = std::max(m_today, 0);
    viewport()->update();
}
