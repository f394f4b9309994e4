#pragma once

#include <QSize>

class QWidget;

// Dialog template units in pixels of the widget's font: a horizontal unit is a quarter of the
// average character width, a vertical unit an eighth of the character height.
int HorizontalUnits(const QWidget *widget, int units);
int VerticalUnits(const QWidget *widget, int units);
QSize DialogUnits(const QWidget *widget, int width, int height);
