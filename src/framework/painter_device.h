#pragma once

#include "framework/draw_device.h"

#include <QFont>
#include <QFontMetrics>
#include <optional>

class QPainter;

// The em in pixels of a font request: a cell height h gives MulDiv(em units, h, ascent +
// descent) from the face's design metrics, a character height -h gives h.
int EmPixels(const FontSpec &fontSpec);
// The font that paints a request: pixel-sized, fully hinted and without kerning, so that a
// text's width is the sum of its whole glyph advances.
QFont MakeFont(const FontSpec &fontSpec);

// Draws with a QPainter on any device: a widget, a printer, a preview, a PDF writer, an image.
// The painter's state is given back as it was when the device goes.
class PainterDevice : public DrawDevice
{
public:
    // horizontalResolution <= 0 takes the paint device's width.
    PainterDevice(QPainter &painter, bool printing, int horizontalResolution = 0);
    ~PainterDevice() override;

    bool IsPrinting() const override { return m_printing; }
    int LogPixelsY() const override;
    int HorizontalResolution() const override;

    TextMetrics GetTextMetrics() const override;
    int TextWidth(const QString &text) const override;
    bool RectVisible(const QRect &rect) const override;

    void TextOut(int x, int y, const QString &text) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Polyline(const QList<QPoint> &points) override;
    void FillPolygon(const QList<QPoint> &points, const QColor &color) override;

private:
    const QFont &currentFont() const;
    const QFontMetrics &metrics() const;
    void applyPen();

    QPainter &m_painter;
    bool m_printing;
    int m_horizontalResolution;
    // The font of the last request and its metrics on the device, so that a page's many texts
    // share one lookup.
    mutable FontSpec m_fontSpec;
    mutable QFont m_font;
    mutable std::optional<QFontMetrics> m_metrics;
};

// Measures as PainterDevice does and draws nothing: what a page's extent is found with.
class MeasuringDevice final : public PainterDevice
{
public:
    using PainterDevice::PainterDevice;

    void TextOut(int, int, const QString &) override {}
    void Rectangle(int, int, int, int) override {}
    void Polyline(const QList<QPoint> &) override {}
    void FillPolygon(const QList<QPoint> &, const QColor &) override {}
};
