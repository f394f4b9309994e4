#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252 both ways. Qt's codecs cannot be relied on for this code page on every
// platform, so the 256-entry table is ours.
namespace cp1252 {

// True when every character of the text has a Windows-1252 byte.
bool Fits(const QString &text);
// The text's bytes; characters without a byte are never silently replaced, so the caller
// checks Fits first (they come out as '?').
QByteArray Encode(const QString &text);
// Every byte has a character (the five undefined bytes map to their C1 code points).
QString Decode(const QByteArray &bytes);

} // namespace cp1252
