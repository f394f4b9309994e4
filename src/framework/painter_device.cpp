#include "framework/painter_device.h"

#include <QFontMetrics>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QRawFont>
#include <QRegion>
#include <algorithm>
#include <cmath>

namespace {

// Pixel size at which a face's design metrics are read: the em of most outline fonts.
constexpr int kDesignSize = 2048;

QFont BaseFont(const FontSpec &fontSpec)
{
    QFont font(fontSpec.face);
    font.setWeight(QFont::Weight(fontSpec.weight));
    if (fontSpec.family == FontSpec::Swiss)
        font.setStyleHint(QFont::SansSerif);
    else if (fontSpec.family == FontSpec::Roman)
        font.setStyleHint(QFont::Serif);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    return font;
}

// (ascent + descent) / em of the face, cached: every drawing asks for the same two fonts.
double CellPerEm(const FontSpec &fontSpec)
{
    static QHash<QString, double> cache;
    const QString key = fontSpec.face + QLatin1Char('/') + QString::number(fontSpec.weight);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    QFont font = BaseFont(fontSpec);
    font.setPixelSize(kDesignSize);
    const QRawFont raw = QRawFont::fromFont(font);
    double ratio = 1.0;
    if (raw.isValid() && raw.pixelSize() > 0 && raw.ascent() + raw.descent() > 0)
        ratio = (raw.ascent() + raw.descent()) / raw.pixelSize();
    cache.insert(key, ratio);
    return ratio;
}

// The average character width that the asked-for face itself declares, in em units, where the
// face that stands in for it declares another: Liberation Sans Bold says 1248 where Arial Bold
// says 983, and the page's proportions follow Arial's figure.
int DeclaredAverageWidth(const FontSpec &fontSpec)
{
    if (fontSpec.face.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0 &&
        fontSpec.weight == 700)
        return 983;
    return 0;
}

} // namespace

int EmPixels(const FontSpec &fontSpec)
{
    if (fontSpec.height < 0)
        return -fontSpec.height;
    if (fontSpec.height == 0)
        return 0;
    return int(std::lround(fontSpec.height / CellPerEm(fontSpec)));
}

QFont MakeFont(const FontSpec &fontSpec)
{
    QFont font = BaseFont(fontSpec);
    const int em = EmPixels(fontSpec);
    if (em > 0)
        font.setPixelSize(em);
    return font;
}

PainterDevice::PainterDevice(QPainter &painter, bool printing, int horizontalResolution)
    : m_painter(painter), m_printing(printing), m_horizontalResolution(horizontalResolution)
{
    m_painter.save();
    m_painter.setBackgroundMode(Qt::TransparentMode);
}

PainterDevice::~PainterDevice()
{
    m_painter.restore();
}

int PainterDevice::LogPixelsY() const
{
    return m_painter.device() ? m_painter.device()->logicalDpiY() : 96;
}

int PainterDevice::HorizontalResolution() const
{
    if (m_horizontalResolution > 0)
        return m_horizontalResolution;
    return m_painter.device() ? m_painter.device()->width() : 0;
}

const QFont &PainterDevice::currentFont() const
{
    if (!m_metrics || !(m_fontSpec == state().font)) {
        m_fontSpec = state().font;
        m_font = MakeFont(m_fontSpec);
        m_metrics.emplace(m_font, m_painter.device());
    }
    return m_font;
}

const QFontMetrics &PainterDevice::metrics() const
{
    currentFont();
    return *m_metrics;
}

TextMetrics PainterDevice::GetTextMetrics() const
{
    const QFontMetrics &fm = metrics();
    TextMetrics tm;
    tm.ascent = fm.ascent();
    tm.descent = fm.descent();
    tm.height = fm.height();
    const int em = EmPixels(state().font);
    tm.internalLeading = em > 0 ? tm.height - em : 0;
    tm.externalLeading = fm.leading();
    const int declared = DeclaredAverageWidth(state().font);
    tm.aveCharWidth = declared > 0 ? int(std::lround(declared * em / double(kDesignSize)))
                                   : fm.averageCharWidth();
    return tm;
}

int PainterDevice::TextWidth(const QString &text) const
{
    return metrics().horizontalAdvance(text);
}

bool PainterDevice::RectVisible(const QRect &rect) const
{
    const QPaintDevice *device = m_painter.device();
    if (!device || device->width() <= 0 || device->height() <= 0)
        return true;
    // The device's surface seen through the painter's transformation (a scrolled view's offset),
    // narrowed by the clip when there is one.
    QRegion visible =
        m_painter.transform().inverted().map(QRegion(0, 0, device->width(), device->height()));
    if (m_painter.hasClipping())
        visible &= m_painter.clipRegion();
    return visible.intersects(rect);
}

void PainterDevice::TextOut(int x, int y, const QString &text)
{
    const QFont &font = currentFont();
    const QFontMetrics &fm = metrics();
    // The opaque background covers the text's cell exactly; Qt's own would follow the
    // fractional ascent and spill one pixel above the corner.
    m_painter.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()),
                       state().textBackground);
    m_painter.setFont(font);
    m_painter.setPen(state().textColor);
    m_painter.drawText(x, y + fm.ascent(), text);
}

void PainterDevice::applyPen()
{
    const PenSpec &fontSpec = state().pen;
    QPen pen(fontSpec.color, fontSpec.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (fontSpec.style == PenSpec::Dash) {
        // A dash of 18 pixels and a gap of 6, whatever the width.
        const double unit = std::max(1, fontSpec.width);
        pen.setDashPattern({18.0 / unit, 6.0 / unit});
        pen.setCapStyle(Qt::FlatCap);
    }
    m_painter.setPen(pen);
}

void PainterDevice::Rectangle(int left, int top, int right, int bottom)
{
    const int l = std::min(left, right), r = std::max(left, right);
    const int t = std::min(top, bottom), b = std::max(top, bottom);
    if (r - l < 1 || b - t < 1)
        return;
    applyPen();
    m_painter.setBrush(state().brush);
    // A stroked QRect covers its size plus the pen; the right and bottom edges stay outside.
    m_painter.drawRect(QRect(l, t, r - l - 1, b - t - 1));
}

void PainterDevice::Polyline(const QList<QPoint> &points)
{
    applyPen();
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPolyline(points.constData(), int(points.size()));
}

void PainterDevice::FillPolygon(const QList<QPoint> &points, const QColor &color)
{
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(color);
    m_painter.drawPolygon(points.constData(), int(points.size()), Qt::OddEvenFill);
}
