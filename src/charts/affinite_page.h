#pragma once

#include "charts/page_frame.h"

#include <QSize>

class COndarisDoc3;
class DrawDevice;

// The bar-height correction k: scores whose units digit is above 5 lose k units.
inline constexpr int kScreenBarCorrection = 1;
inline constexpr int kPrintBarCorrection = 3;

// One result of an Affinité page: "Intellectuel : 54%" in the cycle's colour.
struct AffinityResult
{
    QString cycle; // "Intellectuel"
    QString score; // "54%"
    QColor color;

    QString Text() const { return cycle + QStringLiteral(" : ") + score; }
};

// What an Affinité page says above its histogram.
struct AffinitePageText
{
    QString titleWords;
    QList<IdentityLine> persons;
    QList<AffinityResult> results; // the three cycles, then "Moyenne"
};

AffinitePageText AffiniteText(const COndarisDoc3 &doc);

// The whole Affinité page at a font height; returns the page's extent. The device's state is
// given back as it was.
QSize DrawAffinitePage(DrawDevice &dc, const COndarisDoc3 &doc, int fontHeight, int barCorrection);
