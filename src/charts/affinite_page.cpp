#include "charts/affinite_page.h"

#include "charts/comment_block.h"
#include "charts/page_frame.h"
#include "studies/affinite_doc.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

const QColor kFloorColor(210, 210, 210);

// The histogram's square: its side, steps and the corners of its columns and levels.
struct Histogram
{
    int T = 0;
    int aa = 0; // one 10 % level
    int ab = 0; // one column
    int u = 0;  // one unit of a score
    std::array<int, 8> x{};
    std::array<int, 15> y{};
    int top = 0;
    int bottom = 0;
};

Histogram MakeHistogram(const PageFrame &frame)
{
    const int L = frame.units.L;
    Histogram h;
    h.T = 22 * L;
    h.aa = h.T / 14;
    h.ab = h.T / 9;
    h.u = h.T / 100;
    for (int k = 0; k < int(h.x.size()); ++k)
        h.x[k] = (frame.right + frame.left - h.T) / 2 + k * h.ab;
    h.top = 23 * L;
    h.bottom = h.top + h.T;
    for (int k = 0; k < int(h.y.size()); ++k)
        h.y[k] = h.bottom - k * h.aa;
    return h;
}

// A score as the bars take it: truncated toward zero, and kept within 0 to 100.
int WholeScore(double score)
{
    if (!std::isfinite(score))
        return 0;
    return int(std::clamp(std::trunc(score), 0.0, 100.0));
}

void DrawHeader(DrawDevice &dc, const PageFrame &frame, const AffinitePageText &text)
{
    const int L = frame.units.L;
    DrawTitle(dc, frame, 3 * L, text.titleWords);
    dc.Rectangle(frame.left, 6 * L, frame.right, 10 * L);
    dc.SelectFont(LabelFont(frame.fontHeight));
    const int valueX = frame.labelX + dc.TextWidth(kStartDateLabel);
    int y = 7 * L;
    for (const IdentityLine &person : text.persons) {
        DrawIdentityRow(dc, frame, valueX, y, person.label, person.value);
        y += L;
    }
}

void DrawResults(DrawDevice &dc, const PageFrame &frame, const AffinitePageText &text)
{
    const int L = frame.units.L;
    dc.SelectFont(LabelFont(frame.fontHeight));
    dc.TextOut(frame.labelX, 14 * L, QStringLiteral("Résultats :"));

    dc.SelectFont(TextFont(frame.fontHeight));
    int x = frame.labelX;
    for (const AffinityResult &result : text.results) {
        const QString item = result.Text();
        dc.SetTextColor(result.color);
        dc.TextOut(x, 16 * L, item);
        x += dc.TextWidth(item) + 2 * frame.units.cw;
    }
    dc.SetTextColor(kBlack);
}

void DrawScale(DrawDevice &dc, const PageFrame &frame, const Histogram &h)
{
    const int cw = frame.units.cw;
    const auto &x = h.x;
    const auto &y = h.y;
    dc.TextOut(x[1] - 2 * cw, y[2], QStringLiteral("0"));
    for (int level = 1; level <= 9; ++level)
        dc.TextOut(x[1] - 3 * cw, y[level + 2], QString::number(level * 10));
    dc.TextOut(x[1] - 4 * cw, y[12], QStringLiteral("100"));
    dc.TextOut(x[2] + cw, y[1], QStringLiteral("Int"));
    dc.TextOut(x[3] + cw, y[1], QStringLiteral("Sen"));
    dc.TextOut(x[4] + cw, y[1], QStringLiteral("Phy"));
    dc.TextOut(x[6] + cw, y[1], QStringLiteral("Moy"));
}

void DrawBox(DrawDevice &dc, const Histogram &h)
{
    const auto &x = h.x;
    const auto &y = h.y;
    const int back = x[7] + h.ab;
    dc.Rectangle(x[2], y[13], back, y[3]);
    dc.Polyline({QPoint(x[1], y[2]), QPoint(x[1], y[12]), QPoint(x[2], y[13])});
    for (int k = 3; k <= 11; ++k)
        dc.Polyline({QPoint(x[1], y[k]), QPoint(x[2], y[k + 1]), QPoint(back, y[k + 1])});

    dc.SelectBrush(kFloorColor);
    const QList<QPoint> barPoints = {QPoint(x[1], y[2]), QPoint(x[2], y[3]), QPoint(back, y[3]),
                                     QPoint(x[7], y[2])};
    dc.FillPolygon(barPoints, kFloorColor);
    dc.Polyline({QPoint(x[1], y[2]), QPoint(x[7], y[2]), QPoint(back, y[3])});
    dc.Line(x[1], y[2], x[2], y[3]);
}

struct Bar
{
    double score;
    int left;
    int right;
    QColor dark;
    QColor light;
};

void DrawBar(DrawDevice &dc, const Histogram &h, const Bar &bar, int barCorrection)
{
    const int v = WholeScore(bar.score);
    const int t = v / 10;
    int r = v - 10 * t;
    if (r > 5)
        r -= barCorrection;
    const int height = t * h.aa + r * h.u;
    const int y3 = h.y[3];
    const int yF = y3 + h.aa / 2 - height;
    const int yB = y3 - height;
    const int yBase = y3 + h.aa / 2;
    const int half = h.ab / 2;

    const QList<QPoint> barPoints = {QPoint(bar.left, yF),         QPoint(bar.left + half, yB),
                                     QPoint(bar.right + half, yB), QPoint(bar.right + half, y3),
                                     QPoint(bar.right, yBase),     QPoint(bar.right, yF)};
    dc.FillPolygon(barPoints, bar.dark);
    dc.Polyline({QPoint(bar.left, yF), QPoint(bar.left + half, yB), QPoint(bar.right + half, yB),
                 QPoint(bar.right, yF)});
    dc.SelectBrush(bar.light);
    dc.Rectangle(bar.left, yBase, bar.right, yF);
}

int DrawHistogram(DrawDevice &dc, const PageFrame &frame, const COndarisDoc3 &doc,
                  int barCorrection)
{
    dc.SelectFont(LabelFont(frame.fontHeight));
    dc.TextOut(frame.labelX, 20 * frame.units.L, QStringLiteral("Histogramme :"));
    const Histogram h = MakeHistogram(frame);
    const auto &x = h.x;
    dc.Rectangle(x[0], h.y[14], x[0] + h.T, h.bottom);
    DrawScale(dc, frame, h);
    const QColor keptBrush = dc.state().brush;
    DrawBox(dc, h);
    const Bar bars[] = {
        {doc.scoreIntellectual, x[2], x[3], kIntellectualColor, QColor(0, 0, 200)},
        {doc.scoreSentimental, x[3], x[4], kSentimentalColor, QColor(0, 200, 0)},
        {doc.scorePhysical, x[4], x[5], kPhysicalColor, QColor(200, 0, 0)},
        {doc.scoreAverage, x[6], x[7], kAverageColor, QColor(200, 0, 200)},
    };
    for (const Bar &bar : bars)
        DrawBar(dc, h, bar, barCorrection);
    dc.SelectBrush(keptBrush);
    return h.bottom;
}

} // namespace

AffinitePageText AffiniteText(const COndarisDoc3 &doc)
{
    return {QStringLiteral(" - Biorythme : Affinités entre deux personnes"),
            {{QStringLiteral("Identification 1 : "),
              PersonText(doc.name1, doc.birthWeekday1, doc.birthText1)},
             {QStringLiteral("Identification 2 : "),
              PersonText(doc.name2, doc.birthWeekday2, doc.birthText2)}},
            {{QStringLiteral("Intellectuel"), doc.textIntellectual + u'%', kIntellectualColor},
             {QStringLiteral("Sentimental"), doc.textSentimental + u'%', kSentimentalColor},
             {QStringLiteral("Physique"), doc.textPhysical + u'%', kPhysicalColor},
             {QStringLiteral("Moyenne"), doc.textAverage + u'%', kAverageColor}}};
}

QSize DrawAffinitePage(DrawDevice &dc, const COndarisDoc3 &doc, int fontHeight, int barCorrection)
{
    dc.SaveState();
    const PageFrame frame = ScorePageFrame(ReadPageUnits(dc, fontHeight), fontHeight);

    const AffinitePageText text = AffiniteText(doc);
    DrawHeader(dc, frame, text);
    DrawResults(dc, frame, text);
    const int bottom = DrawHistogram(dc, frame, doc, barCorrection);
    const int L = frame.units.L;
    const int end =
        DrawCommentBlock(dc, frame, frame.labelX, 14 * frame.units.cw, bottom + 4 * L, doc.comment);
    dc.RestoreState();
    return PageExtent(frame, end);
}
