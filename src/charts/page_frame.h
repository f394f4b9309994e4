#pragma once

#include "framework/draw_device.h"

#include <QColor>
#include <QList>
#include <QSize>
#include <QString>

// The colours of the cycles, the same on every page.
inline const QColor kIntellectualColor(0, 0, 128);
inline const QColor kSentimentalColor(0, 128, 0);
inline const QColor kPhysicalColor(128, 0, 0);
inline const QColor kAverageColor(128, 0, 128);
inline const QColor kBlack(0, 0, 0);

inline const QString kTitleStart = QStringLiteral("Ondaris v3");
inline const QString kStartDateLabel = QStringLiteral("Date de départ : ");

// A view scrolls over at least this much, and over the whole page when it is larger.
inline constexpr QSize kMinimumScrollSize(800, 2200);

// The font height of a drawing: minus 10 points on paper, a cell height of 17 on a screen
// wider than 800 pixels and of 15 on a smaller one.
int PageFontHeight(bool printing, int logPixelsY, int horizontalResolution);
int PageFontHeight(const DrawDevice &dc);

// Bold "Arial" for labels, "Times New Roman" for values and comments.
FontSpec LabelFont(int fontHeight);
FontSpec TextFont(int fontHeight);

// The units that every position on a page is made of, read from the label font: L the cell
// height plus the internal leading, cw the average character width, a the font height's size.
struct PageUnits
{
    int L = 0;
    int cw = 0;
    int a = 0;
};

// Selects the label font and reads the units from it.
PageUnits ReadPageUnits(DrawDevice &dc, int fontHeight);

// The horizontal frame of a page: its left and right edges and its label column.
struct PageFrame
{
    PageUnits units;
    int fontHeight = 0;
    int left = 0;
    int right = 0;
    int labelX = 0;
};

// The frame of the day charts: 29 columns that fill 94 cw from the left edge at 12 cw.
PageFrame CurvePageFrame(const PageUnits &units, int fontHeight);

// The frame of the score pages (Affinité, Groupe): from 12 cw to 106 cw, labels at 13 cw.
PageFrame ScorePageFrame(const PageUnits &units, int fontHeight);

// The title in the label font, centred between the frame's edges.
void DrawTitle(DrawDevice &dc, const PageFrame &frame, int y, const QString &titleWords);

// "X (Dimanche 15/03/1970)", or "Anonyme (...)" for an empty name.
QString PersonText(const QString &name, const QString &weekday, const QString &birthText);

// A line of the identity block: its label and its value.
struct IdentityLine
{
    QString label;
    QString value;
};

// One row of an identity block: the label in the label font, the value in the text font.
void DrawIdentityRow(DrawDevice &dc, const PageFrame &frame, int valueX, int y,
                     const QString &label, const QString &value);

// The extent of a page whose last line ends at bottom: the frame's right edge and a margin as
// wide as the left one, and one more line below.
QSize PageExtent(const PageFrame &frame, int bottom);
