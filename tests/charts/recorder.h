#pragma once

#include "framework/recording_device.h"

#include <QTest>

// A recorder whose fonts give the page units L and cw, every character cw wide.
inline RecordingDevice::FontChoice UnitsChoice(int L, int cw)
{
    RecordingDevice::FontChoice choice;
    choice.metrics.internalLeading = 2;
    choice.metrics.height = L - 2;
    choice.metrics.ascent = L - 6;
    choice.metrics.descent = 4;
    choice.metrics.aveCharWidth = cw;
    choice.charWidth = cw;
    return choice;
}

// Where a text was drawn, or (-1, -1) when it was not.
inline QPoint TextAt(const RecordingDevice &dc, const QString &text)
{
    const RecordingDevice::Call *call = dc.findText(text);
    return call ? call->points.first() : QPoint(-1, -1);
}

// The polylines drawn with a pen of this colour.
inline QList<RecordingDevice::Call> PolylinesIn(const RecordingDevice &dc, const QColor &color)
{
    QList<RecordingDevice::Call> found;
    for (const RecordingDevice::Call &call : dc.callsOf(RecordingDevice::Call::Polyline)) {
        if (call.pen.color == color)
            found.append(call);
    }
    return found;
}
