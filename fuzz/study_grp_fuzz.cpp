#include "core/group_scores.h"
#include "studies/groupe_doc.h"
#include "study_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return study_fuzz::ReadStudy<CGroupeDoc>(data, size, kGroupMaxMembers);
}
