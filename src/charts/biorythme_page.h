#pragma once

#include <QSize>

class COndarisDoc;
class DrawDevice;

// The whole Biorythme page at a font height; returns the page's extent. The device's state is
// given back as it was.
QSize DrawBiorythmePage(DrawDevice &dc, const COndarisDoc &doc, int fontHeight, bool showAverage);
