#include "people/names_file.h"
#include "people/names_list.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace {

NamesList ReadBytes(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    NamesList list;
    names_file::Read(buffer, list);
    if (list.count < 0 || list.count > NamesList::kCapacity)
        std::abort();
    return list;
}

} // namespace

// Whatever the reader makes of the bytes, the file written from it must read back to the same
// file: a stored list always reads back as written.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QByteArray written = names_file::Write(ReadBytes(input));
    if (names_file::Write(ReadBytes(written)) != written)
        std::abort();
    return 0;
}
