#include "framework/printing.h"

#include "framework/modules.h"
#include "printing/print_support.h"

PrintSupport *LoadPrintSupport()
{
    auto *support = ModuleFunction<PrintSupportFunction>(QStringLiteral("printing"), kPrintSupport);
    return support ? &support() : nullptr;
}
