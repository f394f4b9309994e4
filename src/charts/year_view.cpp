#include "charts/year_view.h"

#include "charts/day_tip.h"
#include "charts/midnight_timer.h"
#include "charts/page_accessible.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"
#include "studies/curve_period.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <algorithm>

namespace {

const QColor kCursorColor(230, 120, 0);
const QColor kTodayColor(0, 0, 0);

// The rectangle's outline, inset by inset pixels.
QList<QPoint> Outline(const QRect &rect, int inset)
{
    const QRect r = rect.adjusted(inset, inset, -inset, -inset);
    return {r.topLeft(), QPoint(r.right() + 1, r.top()), QPoint(r.right() + 1, r.bottom() + 1),
            QPoint(r.left(), r.bottom() + 1), r.topLeft()};
}

} // namespace

YearView::YearView(CDocument *document, CurvePeriod &period, QWidget *parent)
    : ChartView(document, parent), m_period(period), m_bar(new QWidget(this)),
      m_chooser(new QComboBox(m_bar)), m_clock(&QDateTime::currentDateTime),
      m_midnight(MidnightTimer(this))
{
    auto *label = new QLabel(QStringLiteral("&Courbe :"), m_bar);
    label->setBuddy(m_chooser);
    for (const StudyYear::Curve curve : {StudyYear::Curve::Moyenne, StudyYear::Curve::Intellectuel,
                                         StudyYear::Curve::Sentimental, StudyYear::Curve::Physique})
        m_chooser->addItem(CurveName(curve), int(curve));
    auto *layout = new QHBoxLayout(m_bar);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->addWidget(label);
    layout->addWidget(m_chooser);
    layout->addStretch();
    setViewportMargins(0, m_bar->sizeHint().height(), 0, 0);
    connect(m_chooser, &QComboBox::activated, this,
            [this](int index) { SetCurve(StudyYear::Curve(m_chooser->itemData(index).toInt())); });

    connect(m_midnight, &QTimer::timeout, this, &YearView::FollowToday);
    if (document)
        connect(document, &CDocument::allViewsUpdate, this, [this]() {
            FollowToday();
            FollowStart();
        });
    FollowToday();
    FollowStart();
}

void YearView::SetCurve(StudyYear::Curve curve)
{
    m_chooser->setCurrentIndex(m_chooser->findData(int(curve)));
    if (curve == m_curve)
        return;
    m_curve = curve;
    viewport()->update();
    PageChanged();
    // The cursor's day again, now with the curve's values.
    if (GetDocument())
        ShowCursorDay();
}

void YearView::SetClock(Clock clock)
{
    m_clock = std::move(clock);
    FollowToday();
    m_cursor = QDate();
    FollowStart();
}

std::optional<StudyYear> YearView::Year() const
{
    if (!GetDocument())
        return std::nullopt;
    std::optional<StudyDays> days = StudyDays::Of(*GetDocument());
    if (!days)
        return std::nullopt;
    return StudyYear(std::move(*days));
}

std::optional<std::pair<int, int>> YearView::CellOf(const QDate &date) const
{
    const std::optional<StudyYear> year = Year();
    if (!year || !date.isValid())
        return std::nullopt;
    return year->CellOf(year->Days().DayOf(date));
}

void YearView::MoveCursorTo(const QDate &date)
{
    if (!CellOf(date))
        return;
    m_cursor = date;
    const YearGrid grid = ScreenGrid();
    const auto [row, column] = *CellOf(date);
    const QRect cell = grid.CellRect(row, column);
    // The cell in sight, and the month's name with it when the window allows.
    QScrollBar *across = horizontalScrollBar();
    if (cell.right() + 1 > across->value() + viewport()->width())
        across->setValue(cell.right() + 1 - viewport()->width());
    if (cell.left() < across->value())
        across->setValue(std::min(cell.left(), grid.frame.left));
    QScrollBar *down = verticalScrollBar();
    if (cell.bottom() + 1 > down->value() + viewport()->height())
        down->setValue(cell.bottom() + 1 - viewport()->height());
    if (cell.top() < down->value())
        down->setValue(cell.top());
    viewport()->update();
    ShowCursorDay();
    NotifyRowFocus(this, row);
}

int YearView::CursorRow() const
{
    const auto cell = CellOf(m_cursor);
    return cell ? cell->first : -1;
}

int YearView::CursorColumn() const
{
    // The table's first column names the month.
    const auto cell = CellOf(m_cursor);
    return cell ? cell->second + 1 : -1;
}

QString YearView::DayText(const QDate &date) const
{
    const std::optional<StudyYear> year = Year();
    if (!year || !CellOf(date))
        return {};
    return DayTipLines(year->Days(), year->Days().DayOf(date), m_curve == StudyYear::Curve::Moyenne)
        .join(u'\n');
}

std::optional<QDate> YearView::Today() const
{
    return m_today.isValid() ? std::make_optional(m_today) : std::nullopt;
}

QSize YearView::DrawPage(DrawDevice &dc)
{
    return DrawStudyYearPage(dc, *GetDocument(), fontHeight, m_curve);
}

PageReading YearView::ReadPage() const
{
    const std::optional<StudyYear> year = Year();
    return year ? YearPageReading(YearHeader(*GetDocument()), m_period.startText, *year, m_curve)
                : PageReading{};
}

QString &YearView::Comment()
{
    return m_period.comment;
}

YearGrid YearView::ScreenGrid()
{
    YearGrid grid;
    OnScreenDevice([this, &grid](DrawDevice &dc) {
        grid = YearPageGrid(ReadPageUnits(dc, fontHeight), fontHeight,
                            int(YearHeader(*GetDocument()).persons.size()));
    });
    return grid;
}

void YearView::OnDraw(DrawDevice &dc)
{
    ChartView::OnDraw(dc);
    if (dc.IsPrinting() || !GetDocument())
        return;
    dc.SaveState();
    const YearGrid grid = YearPageGrid(ReadPageUnits(dc, fontHeight), fontHeight,
                                       int(YearHeader(*GetDocument()).persons.size()));
    if (const auto today = CellOf(m_today)) {
        dc.SelectPen(PenSpec{PenSpec::Solid, 2, kTodayColor});
        dc.Polyline(Outline(grid.CellRect(today->first, today->second), 2));
    }
    if (const auto cursor = CellOf(m_cursor)) {
        dc.SelectPen(PenSpec{PenSpec::Solid, 3, kCursorColor});
        dc.Polyline(Outline(grid.CellRect(cursor->first, cursor->second), 0));
    }
    dc.RestoreState();
}

bool YearView::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip || !GetDocument())
        return ChartView::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const auto cell = ScreenGrid().CellAt(help->pos() + GetScrollPosition());
    const std::optional<StudyYear> year = Year();
    const std::optional<int> day =
        cell && year ? year->DayAt(cell->first, cell->second) : std::nullopt;
    return ShowDayTip(viewport(), event, day ? DayText(year->Days().Date(*day)) : QString());
}

std::optional<QDate> YearView::Moved(const StudyYear &year, int key,
                                     Qt::KeyboardModifiers modifiers) const
{
    const auto [row, column] = *year.CellOf(year.Days().DayOf(m_cursor));
    int lastRow = StudyYear::kMonths - 1;
    while (lastRow > 0 && year.DaysIn(lastRow) == 0)
        --lastRow;
    // The same day of another month, or its last day when the month is shorter.
    const auto inRow = [&year](int toRow, int toColumn) {
        return year.Month(toRow).addDays(std::min(toColumn, year.DaysIn(toRow) - 1));
    };
    const bool wholeYear = modifiers & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Left:
        return m_cursor.addDays(-1);
    case Qt::Key_Right:
        return m_cursor.addDays(1);
    case Qt::Key_Up:
        return row > 0 ? inRow(row - 1, column) : m_cursor;
    case Qt::Key_Down:
        return row < lastRow ? inRow(row + 1, column) : m_cursor;
    case Qt::Key_Home:
        return wholeYear ? year.First() : year.Month(row);
    case Qt::Key_End:
        return wholeYear ? inRow(lastRow, StudyYear::kColumns) : inRow(row, StudyYear::kColumns);
    case Qt::Key_PageUp:
        return inRow(0, column);
    case Qt::Key_PageDown:
        return inRow(lastRow, column);
    default:
        return std::nullopt;
    }
}

void YearView::keyPressEvent(QKeyEvent *event)
{
    const std::optional<StudyYear> year = Year();
    const std::optional<QDate> moved =
        year && CellOf(m_cursor) ? Moved(*year, event->key(), event->modifiers()) : std::nullopt;
    if (!moved) {
        ChartView::keyPressEvent(event);
        return;
    }
    MoveCursorTo(*moved);
    event->accept();
}

void YearView::focusInEvent(QFocusEvent *event)
{
    ChartView::focusInEvent(event);
    if (GetDocument())
        ShowCursorDay();
}

void YearView::resizeEvent(QResizeEvent *event)
{
    ChartView::resizeEvent(event);
    m_bar->setGeometry(0, 0, width(), m_bar->sizeHint().height());
}

void YearView::ShowCursorDay()
{
    QStatusTipEvent tip(DayText(m_cursor).replace(u'\n', QStringLiteral(" – ")));
    QCoreApplication::sendEvent(this, &tip);
}

void YearView::FollowToday()
{
    const QDateTime now = m_clock();
    const QDate was = m_today;
    m_today = CellOf(now.date()) ? now.date() : QDate();
    if (m_today != was)
        viewport()->update();
    StartForMidnight(*m_midnight, now);
}

void YearView::FollowStart()
{
    if (CellOf(m_cursor))
        return;
    const std::optional<StudyYear> year = Year();
    m_cursor = m_today.isValid() ? m_today : year ? year->Days().Date(0) : QDate();
    viewport()->update();
}

YearView *CreateYearViewFor(CDocument *document, QWidget *parent)
{
    if (auto *biorythme = qobject_cast<COndarisDoc *>(document))
        return new YearView(biorythme, *biorythme, parent);
    if (auto *compatibilite = qobject_cast<COndarisDoc2 *>(document))
        return new YearView(compatibilite, *compatibilite, parent);
    return nullptr;
}
