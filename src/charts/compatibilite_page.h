#pragma once

#include "charts/curve_chart.h"

#include <QSize>

class COndarisDoc2;
class DrawDevice;

// The title words and the two identification lines of a Compatibilité page.
CurvePageHeader CompatibiliteHeader(const COndarisDoc2 &doc);

// The whole Compatibilité page at a font height; returns the page's extent. The device's state
// is given back as it was.
QSize DrawCompatibilitePage(DrawDevice &dc, const COndarisDoc2 &doc, int fontHeight,
                            bool showAverage);
