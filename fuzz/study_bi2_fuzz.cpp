#include "studies/compatibilite_doc.h"
#include "study_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return study_fuzz::ReadStudy<COndarisDoc2>(data, size);
}
