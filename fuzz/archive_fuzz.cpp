#include "framework/archive.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace {

// Whatever the reader accepts must come back the same through the writer.
void CheckRoundTrip(const QString &text)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    CArchive writer(&out, CArchive::store);
    writer.WriteString(text);

    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    CArchive reader(&in, CArchive::load);
    if (!writer.ok() || reader.ReadString() != text || !reader.ok() || !in.atEnd())
        std::abort();
}

} // namespace

// The first byte chooses, two bits per item, what the rest of the data is read as; the items
// repeat until the data is used up or the reader fails.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const unsigned plan = data[0];
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data) + 1, static_cast<qsizetype>(size - 1));
    buffer.open(QIODevice::ReadOnly);
    CArchive archive(&buffer, CArchive::load);
    for (unsigned item = 0; archive.ok() && !buffer.atEnd(); item = (item + 1) % 4) {
        switch ((plan >> (2 * item)) & 3U) {
        case 0: {
            const QString text = archive.ReadString();
            if (archive.ok())
                CheckRoundTrip(text);
            break;
        }
        case 1:
            archive.ReadDate();
            break;
        case 2:
            archive.ReadInt32();
            break;
        default:
            archive.ReadDouble();
            break;
        }
    }
    return 0;
}
