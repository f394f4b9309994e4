#include "charts/page_frame.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

int PageFontHeight(bool printing, int logPixelsY, int horizontalResolution)
{
    if (printing)
        return -int(std::lround(10.0 * logPixelsY / 72.0));
    return horizontalResolution > 800 ? 17 : 15;
}

int PageFontHeight(const DrawDevice &dc)
{
    return PageFontHeight(dc.IsPrinting(), dc.LogPixelsY(), dc.HorizontalResolution());
}

FontSpec LabelFont(int fontHeight)
{
    return FontSpec{QStringLiteral("Arial"), fontHeight, 700, FontSpec::Swiss};
}

FontSpec TextFont(int fontHeight)
{
    return FontSpec{QStringLiteral("Times New Roman"), fontHeight, 400, FontSpec::Roman};
}

PageUnits ReadPageUnits(DrawDevice &dc, int fontHeight)
{
    dc.SelectFont(LabelFont(fontHeight));
    const TextMetrics tm = dc.GetTextMetrics();
    return PageUnits{tm.height + tm.internalLeading, tm.aveCharWidth, std::abs(fontHeight)};
}

PageFrame CurvePageFrame(const PageUnits &units, int fontHeight)
{
    PageFrame frame;
    frame.units = units;
    frame.fontHeight = fontHeight;
    frame.left = 12 * units.cw;
    frame.right = frame.left + (94 * units.cw) / 29 * 29;
    frame.labelX = frame.left + units.cw;
    return frame;
}

PageFrame ScorePageFrame(const PageUnits &units, int fontHeight)
{
    PageFrame frame;
    frame.units = units;
    frame.fontHeight = fontHeight;
    frame.left = 12 * units.cw;
    frame.right = 106 * units.cw;
    frame.labelX = 13 * units.cw;
    return frame;
}

void DrawTitle(DrawDevice &dc, const PageFrame &frame, int y, const QString &titleWords)
{
    dc.SelectFont(LabelFont(frame.fontHeight));
    const QString title = kTitleStart + titleWords;
    dc.TextOut((frame.left + frame.right - dc.TextWidth(title)) / 2, y, title);
}

QString PersonText(const QString &name, const QString &weekday, const QString &birthText)
{
    const QString who = name.isEmpty() ? QStringLiteral("Anonyme") : name;
    return who + QStringLiteral(" (") + weekday + QLatin1Char(' ') + birthText + QLatin1Char(')');
}

void DrawIdentityRow(DrawDevice &dc, const PageFrame &frame, int valueX, int y,
                     const QString &label, const QString &value)
{
    dc.SelectFont(LabelFont(frame.fontHeight));
    dc.TextOut(frame.labelX, y, label);
    dc.SelectFont(TextFont(frame.fontHeight));
    dc.TextOut(valueX, y, value);
}

QSize PageExtent(const PageFrame &frame, int bottom)
{
    return QSize(frame.right + frame.left, bottom + frame.units.L);
}
