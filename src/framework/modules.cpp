#include "framework/modules.h"

#include <QCoreApplication>
#include <QLibrary>
#include <map>
#include <memory>

QFunctionPointer ModuleFunction(const QString &module, const char *function)
{
    // Loaded once and never unloaded: objects the module made may outlive any one user.
    static std::map<QString, std::unique_ptr<QLibrary>> loaded;
    std::unique_ptr<QLibrary> &library = loaded[module];
    if (!library) {
        library = std::make_unique<QLibrary>(QCoreApplication::applicationDirPath() +
                                             QStringLiteral("/" ONDARIS_MODULE_PATH "/") +
                                             module + QStringLiteral(".so"));
    }
    const QFunctionPointer found = library->resolve(function);
    if (found == nullptr)
        qWarning("Ondaris: %s", qPrintable(library->errorString()));
    return found;
}
