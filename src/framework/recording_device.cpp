#include "framework/recording_device.h"

#include <QStringList>

RecordingDevice::RecordingDevice(const FontChoice &fonts, bool printing, int logPixelsY,
                                 int horizontalResolution)
    : m_default(fonts), m_printing(printing), m_logPixelsY(logPixelsY),
      m_horizontalResolution(horizontalResolution)
{
}

void RecordingDevice::SetFaceMetrics(const QString &face, const FontChoice &choice)
{
    m_byFace.insert(face, choice);
}

const RecordingDevice::FontChoice &RecordingDevice::choice() const
{
    const auto found = m_byFace.constFind(state().font.face);
    return found != m_byFace.constEnd() ? *found : m_default;
}

TextMetrics RecordingDevice::GetTextMetrics() const
{
    return choice().metrics;
}

int RecordingDevice::TextWidth(const QString &text) const
{
    return int(text.size()) * choice().charWidth;
}

RecordingDevice::Call RecordingDevice::record(Call::Kind kind, const QList<QPoint> &points) const
{
    Call call;
    call.kind = kind;
    call.points = points;
    call.font = state().font;
    call.textColor = state().textColor;
    call.textBackground = state().textBackground;
    call.pen = state().pen;
    call.brush = state().brush;
    return call;
}

void RecordingDevice::TextOut(int x, int y, const QString &text)
{
    Call call = record(Call::Text, {QPoint(x, y)});
    call.text = text;
    m_calls.append(call);
}

void RecordingDevice::Rectangle(int left, int top, int right, int bottom)
{
    m_calls.append(record(Call::Rectangle, {QPoint(left, top), QPoint(right, bottom)}));
}

void RecordingDevice::Polyline(const QList<QPoint> &points)
{
    m_calls.append(record(Call::Polyline, points));
}

void RecordingDevice::FillPolygon(const QList<QPoint> &points, const QColor &color)
{
    Call call = record(Call::Polygon, points);
    call.brush = color;
    m_calls.append(call);
}

QList<RecordingDevice::Call> RecordingDevice::callsOf(Call::Kind kind) const
{
    QList<Call> found;
    for (const Call &call : m_calls) {
        if (call.kind == kind)
            found.append(call);
    }
    return found;
}

QStringList RecordingDevice::texts() const
{
    QStringList found;
    for (const Call &call : m_calls) {
        if (call.kind == Call::Text)
            found.append(call.text);
    }
    return found;
}

const RecordingDevice::Call *RecordingDevice::findText(const QString &text) const
{
    for (const Call &call : m_calls) {
        if (call.kind == Call::Text && call.text == text)
            return &call;
    }
    return nullptr;
}
