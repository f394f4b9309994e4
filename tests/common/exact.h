#pragma once

#include <QByteArray>
#include <charconv>

// A double written exactly, in hexadecimal, so that QCOMPARE compares every bit of it (Qt compares
// doubles with a tolerance) and shows both values when they differ.
inline QByteArray Exact(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::hex).ptr;
    return QByteArray(text, end - text);
}
