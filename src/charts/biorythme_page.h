#pragma once

#include "charts/curve_chart.h"

#include <QSize>

class COndarisDoc;
class DrawDevice;

// The title words and the identification line of a Biorythme page.
CurvePageHeader BiorythmeHeader(const COndarisDoc &doc);

// The whole Biorythme page at a font height; returns the page's extent. The device's state is
// given back as it was.
QSize DrawBiorythmePage(DrawDevice &dc, const COndarisDoc &doc, int fontHeight, bool showAverage);
