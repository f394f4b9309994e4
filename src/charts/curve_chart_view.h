#pragma once

#include "charts/chart_view.h"
#include "charts/curve_chart.h"

#include <QDateTime>
#include <functional>
#include <optional>

class QAction;
class QTimer;
struct CurvePeriod;

// The Biorythme and Compatibilité views: a chart of curves with the "Mo&yenne" toggle, which
// belongs to the window and not to the study, and a day cursor for the keyboard.
class CurveChartView : public ChartView
{
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    // Draw the average curve instead of the three cycles.
    bool showAverage = false;

    // "Mo&yenne", checked exactly while the average is shown.
    QAction *averageAction() const { return m_averageAction; }

    // The day under the keyboard's cursor, 0 to 28.
    int CursorDay() const { return m_cursor; }
    int CursorRow() const override { return m_cursor; }
    // Today's column of the page, or -1 when today is outside its days.
    int TodayDay() const { return m_today; }
    // The day's tool tip text: its date, its values and its critical cycles, a line each.
    QString DayText(int day) const;

    // On screen, the cursor's band and today's mark behind the page; on paper the page alone.
    void OnDraw(DrawDevice &dc) override;

    // The clock that says which day today is; the local time unless a test sets another.
    void SetClock(Clock clock);

public Q_SLOTS:
    // The user's command: shows or hides the average, a step that undo takes back.
    void OnAverage();

Q_SIGNALS:
    void showAverageChanged(bool shown);

protected:
    void ToggleAverage();

    // The study's header on the page: its title and the persons' lines.
    using HeaderFunction = std::function<CurvePageHeader()>;

    CurveChartView(CDocument *document, CurvePeriod &period, HeaderFunction header,
                   QWidget *parent);

    QSize DrawPage(DrawDevice &dc) override;
    PageReading ReadPage() const override;
    QString &Comment() override;

    // A tool tip over a day column: the date, the day's values, its critical cycles.
    bool viewportEvent(QEvent *event) override;
    // Left, Right, Home and End move the day cursor; the other keys scroll.
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    // The page's frame and day columns on a screen, measured again only when the font height
    // changes: the cursor's band and today's mark are placed at every paint.
    struct ScreenLayout
    {
        int fontHeight = 0;
        PageFrame frame;
        ChartColumns columns;
    };
    const ScreenLayout &LayoutOnScreen(DrawDevice &dc, int fontHeight);
    // The day columns as the screen shows them, in page coordinates.
    ChartColumns ScreenColumns();
    void MoveCursor(int day);
    // The cursor's day on one line in the status bar.
    void ShowCursorDay();
    // Today's column again, and the timer set for the next midnight.
    void FollowToday();
    // The cursor starts on today's column, else on the first day, whenever the start moves.
    void FollowStart();

    CurvePeriod &m_period;
    HeaderFunction m_header;
    QAction *m_averageAction;
    Clock m_clock;
    QTimer *m_midnight;
    int m_cursor = 0;
    int m_today = -1;
    qint32 m_cursorStart = 0;
    std::optional<ScreenLayout> m_screenLayout;
};
