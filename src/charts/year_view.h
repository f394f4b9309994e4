#pragma once

#include "charts/chart_view.h"
#include "charts/year_page.h"

#include <QDate>
#include <QDateTime>
#include <functional>
#include <optional>

class QComboBox;
class QTimer;
struct CurvePeriod;

// The year of a Biorythme or Compatibilité study, a second window on it: its cells shaded by
// one curve that the window chooses, a day cursor for the keyboard and today's cell outlined on
// screen. It follows every change of the study, as the page does.
class YearView : public ChartView
{
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    YearView(CDocument *document, CurvePeriod &period, QWidget *parent = nullptr);

    StudyYear::Curve Curve() const { return m_curve; }
    void SetCurve(StudyYear::Curve curve);
    // The chooser of the curve above the year.
    QComboBox *CurveChooser() const { return m_chooser; }

    // The date under the keyboard's cursor; moving it to a date outside the year does nothing.
    QDate CursorDate() const { return m_cursor; }
    void MoveCursorTo(const QDate &date);
    int CursorRow() const override;
    int CursorColumn() const override;
    // The date's tool tip text: its date, its values and its critical cycles, a line each; empty
    // outside the year.
    QString DayText(const QDate &date) const;
    // Today, when the year holds it.
    std::optional<QDate> Today() const;

    // On screen, the cursor and today's cell outlined over the page; on paper the page alone.
    void OnDraw(DrawDevice &dc) override;

    // The clock that says which day today is; the local time unless a test sets another.
    void SetClock(Clock clock);

protected:
    QSize DrawPage(DrawDevice &dc) override;
    PageReading ReadPage() const override;
    QString &Comment() override;
    bool PrintsLandscape() const override { return true; }

    // A tool tip over a cell.
    bool viewportEvent(QEvent *event) override;
    // The arrows, Home, End, Page Up and Page Down move the cursor; the other keys scroll.
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    std::optional<StudyYear> Year() const;
    // The cell of a date, or nothing outside the year.
    std::optional<std::pair<int, int>> CellOf(const QDate &date) const;
    YearGrid ScreenGrid();
    // The cursor moved by a key, or nothing for a key that does not move it.
    std::optional<QDate> Moved(const StudyYear &year, int key,
                               Qt::KeyboardModifiers modifiers) const;
    void ShowCursorDay();
    // Today's cell again, and the timer set for the next midnight.
    void FollowToday();
    // The cursor stays on its date while the year holds it, else goes to today or the start.
    void FollowStart();

    CurvePeriod &m_period;
    StudyYear::Curve m_curve = StudyYear::Curve::Moyenne;
    QWidget *m_bar;
    QComboBox *m_chooser;
    Clock m_clock;
    QTimer *m_midnight;
    QDate m_cursor;
    QDate m_today;
};

// The year view of a study with a start date; null for any other.
YearView *CreateYearViewFor(CDocument *document, QWidget *parent = nullptr);
