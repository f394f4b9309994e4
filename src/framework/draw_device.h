#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

// A font asked for as the pages ask for it: a positive height is the cell height (ascent plus
// descent), a negative one the character height (the em), both in device pixels.
struct FontSpec
{
    // The kind of face to fall back on when the face itself is missing.
    enum Family { DontCare, Swiss, Roman };

    QString face;
    int height = 0;
    int weight = 400;
    Family family = DontCare;

    friend bool operator==(const FontSpec &, const FontSpec &) = default;
};

// The selected font's metrics, in whole device pixels.
struct TextMetrics
{
    int height = 0; // ascent plus descent
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0; // the height minus the em
    int externalLeading = 0;
    int aveCharWidth = 0;
};

struct PenSpec
{
    enum Style { Solid, Dash };
    Style style = Solid;
    int width = 1;
    QColor color = QColor(0, 0, 0);

    friend bool operator==(const PenSpec &, const PenSpec &) = default;
};

// What a page is drawn on: the screen, a printer, a preview, a PDF, an image, or a recorder for
// the tests. Coordinates are device pixels from the page's top-left corner, y growing downward.
// The device keeps the current font, text colour, pen and brush, as a graphics device context
// does; a fresh device has a thin black pen, a white brush and black text on an opaque white
// background.
class DrawDevice
{
public:
    struct State
    {
        FontSpec font;
        QColor textColor = QColor(0, 0, 0);
        QColor textBackground = QColor(255, 255, 255);
        PenSpec pen;
        QColor brush = QColor(255, 255, 255);
    };

    DrawDevice() = default;
    DrawDevice(const DrawDevice &) = delete;
    DrawDevice &operator=(const DrawDevice &) = delete;
    virtual ~DrawDevice() = default;

    // A printer or a print preview, as opposed to the screen.
    virtual bool IsPrinting() const = 0;
    virtual int LogPixelsY() const = 0;
    // The width in pixels of the screen or of the page.
    virtual int HorizontalResolution() const = 0;

    const State &state() const { return m_state; }
    void SelectFont(const FontSpec &font) { m_state.font = font; }
    void SetTextColor(const QColor &color) { m_state.textColor = color; }
    // The opaque background behind the texts drawn next: a text on a shaded cell keeps its shade.
    void SetTextBackground(const QColor &color) { m_state.textBackground = color; }
    void SelectPen(const PenSpec &pen) { m_state.pen = pen; }
    void SelectBrush(const QColor &color) { m_state.brush = color; }
    // What a page selects between these two calls is undone by the second.
    void SaveState() { m_saved.append(m_state); }
    void RestoreState();

    // Of the selected font.
    virtual TextMetrics GetTextMetrics() const = 0;
    virtual int TextWidth(const QString &text) const = 0;

    // Whether any of the rectangle would show: a page may skip what falls outside.
    virtual bool RectVisible(const QRect &rect) const = 0;

    // The text's top-left corner at (x, y), in the text colour, on the opaque background.
    virtual void TextOut(int x, int y, const QString &text) = 0;
    // Framed by the pen and filled by the brush; the right and bottom edges are outside.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void Polyline(const QList<QPoint> &points) = 0;
    void Line(int x1, int y1, int x2, int y2) { Polyline({QPoint(x1, y1), QPoint(x2, y2)}); }
    // The polygon's region, filled with the alternate rule in the colour, without a frame.
    virtual void FillPolygon(const QList<QPoint> &points, const QColor &color) = 0;

private:
    State m_state;
    QList<State> m_saved;
};
