#pragma once

#include <QSize>

class COndarisDoc3;
class DrawDevice;

// The bar-height correction k: scores whose units digit is above 5 lose k units.
inline constexpr int kScreenBarCorrection = 1;
inline constexpr int kPrintBarCorrection = 3;

// The whole Affinité page at a font height; returns the page's extent. The device's state is
// given back as it was.
QSize DrawAffinitePage(DrawDevice &dc, const COndarisDoc3 &doc, int fontHeight, int barCorrection);
