#pragma once

#include "framework/draw_device.h"

#include <QHash>

// Records every drawing call with the device state it was made in, and measures text with
// metrics chosen by the caller: each character of a text is one fixed width wide.
class RecordingDevice : public DrawDevice
{
public:
    struct Call
    {
        enum Kind { Text, Polyline, Rectangle, Polygon };
        Kind kind = Text;
        QString text;
        // A text's corner, a polyline's points, a rectangle's two corners as given.
        QList<QPoint> points;
        FontSpec font;
        QColor textColor;
        QColor textBackground;
        PenSpec pen;
        QColor brush; // the selected brush, or a polygon's fill
    };

    struct FontChoice
    {
        TextMetrics metrics;
        int charWidth = 0;
    };

    // The metrics of every font unless a face has its own.
    explicit RecordingDevice(const FontChoice &fonts, bool printing = false, int logPixelsY = 96,
                             int horizontalResolution = 1280);
    void SetFaceMetrics(const QString &face, const FontChoice &choice);

    bool IsPrinting() const override { return m_printing; }
    int LogPixelsY() const override { return m_logPixelsY; }
    int HorizontalResolution() const override { return m_horizontalResolution; }

    TextMetrics GetTextMetrics() const override;
    int TextWidth(const QString &text) const override;
    // Everything is recorded, so everything shows.
    bool RectVisible(const QRect &) const override { return true; }

    void TextOut(int x, int y, const QString &text) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Polyline(const QList<QPoint> &points) override;
    void FillPolygon(const QList<QPoint> &points, const QColor &color) override;

    const QList<Call> &calls() const { return m_calls; }
    // The calls of one kind, in drawing order.
    QList<Call> callsOf(Call::Kind kind) const;
    // The texts drawn, in drawing order.
    QStringList texts() const;
    // The first text call with exactly this text, or null.
    const Call *findText(const QString &text) const;

private:
    const FontChoice &choice() const;
    Call record(Call::Kind kind, const QList<QPoint> &points) const;

    FontChoice m_default;
    QHash<QString, FontChoice> m_byFace;
    bool m_printing;
    int m_logPixelsY;
    int m_horizontalResolution;
    QList<Call> m_calls;
};
