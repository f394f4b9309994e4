#include "persons_fuzz.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    persons_fuzz::Check(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)),
                        vcard_file::Read);
    return 0;
}
