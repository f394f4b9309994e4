#include "charts/curve_chart.h"

#include "charts/comment_block.h"
#include "studies/curve_period.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kColumns = 29;
constexpr int kPoints = kColumns + 1;
const QColor kMidlineColor(180, 180, 180);
const QColor kSundayColor(128, 0, 0);
const QColor kWeekdayColor(0, 0, 128);

void DrawColumns(DrawDevice &dc, const PageFrame &frame, const ChartColumns &columns,
                 const CurveChartData &data)
{
    const int step = columns.step;
    const int y0 = columns.top;
    const int yb = columns.bottom;
    dc.SelectFont(LabelFont(frame.fontHeight));
    for (int i = 0; i < kColumns; ++i) {
        const int x = frame.left + i * step;
        const QString letter = data.dayLetters.mid(i, 1);
        dc.SetTextColor(letter == QLatin1String("D") ? kSundayColor : kWeekdayColor);
        dc.TextOut(x + 6, y0 - frame.units.L, letter);
        dc.TextOut(x + 1, yb + 4, QString::fromLatin1(data.dayNumbers.data() + 2 * i, 2));
        dc.Line(x + step, yb, x + step, y0);
    }
}

template <typename ValueOf>
void DrawCurve(DrawDevice &dc, const PageFrame &frame, const ChartColumns &columns, int ym,
               const QColor &color, ValueOf value)
{
    QList<QPoint> points;
    points.reserve(kPoints);
    for (int k = 0; k < kPoints; ++k)
        points.append(
            QPoint(columns.left + k * columns.step, ym + CurveOffset(frame.units.a, value(k))));
    dc.SelectPen(PenSpec{PenSpec::Solid, 2, color});
    dc.Polyline(points);
    dc.SelectPen(PenSpec{});
}

void DrawCurves(DrawDevice &dc, const PageFrame &frame, const ChartColumns &columns, int ym,
                const CurveChartData &data)
{
    if (data.showAverage) {
        DrawCurve(dc, frame, columns, ym, kAverageColor, [&data](int k) {
            return CycleAverage(data.intellectual, data.sentimental, data.physical, k);
        });
        return;
    }
    DrawCurve(dc, frame, columns, ym, kIntellectualColor,
              [&data](int k) { return data.intellectual[k]; });
    DrawCurve(dc, frame, columns, ym, kSentimentalColor,
              [&data](int k) { return data.sentimental[k]; });
    DrawCurve(dc, frame, columns, ym, kPhysicalColor, [&data](int k) { return data.physical[k]; });
}

void DrawLegend(DrawDevice &dc, const PageFrame &frame, int y, bool showAverage)
{
    dc.SelectFont(LabelFont(frame.fontHeight));
    if (showAverage) {
        dc.SetTextColor(kAverageColor);
        dc.TextOut(frame.left, y, QStringLiteral("Moyenne"));
        return;
    }
    const int gap = 13 * frame.units.cw;
    const QString intellectual = QStringLiteral("Intellectuel");
    const QString sentimental = QStringLiteral("Sentimental");
    dc.SetTextColor(kIntellectualColor);
    dc.TextOut(frame.left, y, intellectual);
    const int sentimentalX = frame.left + dc.TextWidth(intellectual) + gap;
    dc.SetTextColor(kSentimentalColor);
    dc.TextOut(sentimentalX, y, sentimental);
    dc.SetTextColor(kPhysicalColor);
    dc.TextOut(sentimentalX + dc.TextWidth(sentimental) + gap, y, QStringLiteral("Physique"));
}

} // namespace

int ChartColumns::DayAt(const QPoint &point) const
{
    if (step <= 0 || point.x() < left || point.x() >= left + kColumns * step || point.y() < top ||
        point.y() > bottom)
        return -1;
    return (point.x() - left) / step;
}

int CurveGraphY(const PageFrame &frame, int persons)
{
    return (11 + persons) * frame.units.L;
}

ChartColumns CurveChartColumns(const PageFrame &frame, int graphY)
{
    const int top = graphY + 4 * frame.units.L;
    return ChartColumns{frame.left, (frame.right - frame.left) / kColumns, top,
                        top + 12 * frame.units.a};
}

int CurveOffset(int a, double value)
{
    const double scaled = std::trunc(a * value);
    // A value that is not a number, or far off the chart, must not break the drawing.
    if (!std::isfinite(scaled))
        return 0;
    constexpr double limit = std::numeric_limits<int>::max() / 2;
    return int(std::clamp(scaled, -limit, limit));
}

QSize DrawCurveChartBody(DrawDevice &dc, const PageFrame &frame, int graphY,
                         const CurveChartData &data)
{
    const int L = frame.units.L;
    const int a = frame.units.a;
    dc.SetTextColor(kBlack);
    dc.SelectFont(LabelFont(frame.fontHeight));
    dc.TextOut(frame.labelX, graphY, QStringLiteral("Graphique :"));

    const ChartColumns columns = CurveChartColumns(frame, graphY);
    const int y0 = columns.top;
    const int ym = y0 + 6 * a;
    const int yb = columns.bottom;
    dc.Line(frame.left, y0, frame.right, y0);
    dc.SelectPen(PenSpec{PenSpec::Dash, 1, kMidlineColor});
    dc.Line(frame.left, ym, frame.right, ym);
    dc.SelectPen(PenSpec{});
    dc.Line(frame.left, yb, frame.right, yb);
    dc.Line(frame.left, yb, frame.left, y0);

    DrawColumns(dc, frame, columns, data);
    DrawCurves(dc, frame, columns, ym, data);
    DrawLegend(dc, frame, yb + 2 * L, data.showAverage);
    const int bottom = DrawCommentBlock(dc, frame, frame.labelX, frame.left + 2 * frame.units.cw,
                                        yb + 5 * L, data.comment);
    return PageExtent(frame, bottom);
}

int DrawIdentityBlock(DrawDevice &dc, const PageFrame &frame, const QList<IdentityLine> &lines)
{
    const int L = frame.units.L;
    const int bottom = (7 + int(lines.size())) * L;
    dc.Rectangle(frame.left, 5 * L, frame.right, bottom);
    dc.SelectFont(LabelFont(frame.fontHeight));
    const int valueX = frame.left + dc.TextWidth(kStartDateLabel) + frame.units.cw;
    int y = 6 * L;
    for (const IdentityLine &line : lines) {
        DrawIdentityRow(dc, frame, valueX, y, line.label, line.value);
        y += L;
    }
    return bottom;
}

QSize DrawCurvePage(DrawDevice &dc, int fontHeight, const CurvePageHeader &header,
                    const CurvePeriod &period, bool showAverage)
{
    const QList<IdentityLine> &persons = header.persons;
    dc.SaveState();
    const PageFrame frame = CurvePageFrame(ReadPageUnits(dc, fontHeight), fontHeight);
    const int L = frame.units.L;
    DrawTitle(dc, frame, 2 * L, header.titleWords);

    DrawIdentityBlock(
        dc, frame, QList<IdentityLine>(persons) << IdentityLine{kStartDateLabel, period.startText});

    const QSize extent = DrawCurveChartBody(
        dc, frame, CurveGraphY(frame, int(persons.size())),
        CurveChartData{period.dayLetters, period.dayNumbers, period.curveIntellectual,
                       period.curveSentimental, period.curvePhysical, period.comment, showAverage});
    dc.RestoreState();
    return extent;
}
