#include "framework/cp1252.h"

#include <array>

namespace cp1252 {
namespace {

// The bytes 0x80 to 0x9F; the rest of the code page is Latin-1. The five bytes that the code
// page leaves undefined keep their C1 code points, so that every byte comes back as it was.
constexpr std::array<char16_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of a character, or -1 when the code page has none.
int ByteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < kHighBlock.size(); ++i) {
        if (kHighBlock[i] == c)
            return 0x80 + static_cast<int>(i);
    }
    return -1;
}

} // namespace

bool Fits(const QString &text)
{
    for (const QChar c : text) {
        if (ByteOf(c.unicode()) < 0)
            return false;
    }
    return true;
}

QByteArray Encode(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = ByteOf(text.at(i).unicode());
        bytes[i] = byte < 0 ? '?' : static_cast<char>(byte);
    }
    return bytes;
}

QString Decode(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out[i] =
            byte >= 0x80 && byte < 0xA0 ? QChar(kHighBlock[byte - 0x80]) : QChar(char16_t(byte));
    }
    return text;
}

} // namespace cp1252
