#pragma once

#include <QFunctionPointer>
#include <QString>

// The program's own modules: code whose libraries would cost every start, loaded the first time
// it is needed from the program's module folder. Returns the module's function of that name, or
// nullptr (with a warning) when the module or the function cannot be found.
QFunctionPointer ModuleFunction(const QString &module, const char *function);

template <class Function> Function *ModuleFunction(const QString &module, const char *function)
{
    return reinterpret_cast<Function *>(ModuleFunction(module, function));
}
