#include "people/dialog_units.h"

#include <QFontMetrics>
#include <QWidget>

namespace {

// The average width of the Latin letters, as dialog templates measure it.
int AverageCharWidth(const QWidget *widget)
{
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return (widget->fontMetrics().horizontalAdvance(letters) / 26 + 1) / 2;
}

} // namespace

int HorizontalUnits(const QWidget *widget, int units)
{
    return units * AverageCharWidth(widget) / 4;
}

int VerticalUnits(const QWidget *widget, int units)
{
    return units * widget->fontMetrics().height() / 8;
}

QSize DialogUnits(const QWidget *widget, int width, int height)
{
    return {HorizontalUnits(widget, width), VerticalUnits(widget, height)};
}
