#include "framework/modules.h"

#include "build_facts.h"

#include <QCoreApplication>
#include <QLibrary>
#include <map>
#include <memory>

namespace {

// `title` names the module in the messages ("SVG", "d'impression").
ModuleEntry<void()> Find(const char *module, const char *function, const QString &title)
{
    static std::map<QString, std::unique_ptr<QLibrary>> loaded;
    const QString name = QLatin1StringView(module);
    std::unique_ptr<QLibrary> &library = loaded[name];
    if (!library) {
        // QLibrary adds nothing to a name that has a suffix: the build says which one.
        library = std::make_unique<QLibrary>(QCoreApplication::applicationDirPath() + u'/' +
                                             QLatin1StringView(build_facts::kModuleFolder) + u'/' +
                                             name + QLatin1StringView(build_facts::kModuleSuffix));
    }
    const QString file = name + QLatin1StringView(build_facts::kModuleSuffix);
    if (!library->load()) {
        qWarning("Ondaris: %s", qPrintable(library->errorString()));
        return {nullptr,
                QStringLiteral("Le module %1 d'Ondaris (%2) est introuvable").arg(title, file)};
    }
    // The entry's name carries its interface's version: a module file left from another
    // version of the program has none of that name, and is refused rather than called.
    if (const QFunctionPointer found = library->resolve(function))
        return {found, {}};
    qWarning("Ondaris: %s", qPrintable(library->errorString()));
    return {nullptr, QStringLiteral("Le module %1 d'Ondaris (%2) n'est pas de cette version "
                                    "d'Ondaris")
                         .arg(title, file)};
}

// The entry point named by the declaration `Function` of the module's interface header.
template <class Function>
ModuleEntry<Function> Typed(const char *module, const char *function, const QString &title)
{
    const ModuleEntry<void()> found = Find(module, function, title);
    return {reinterpret_cast<Function *>(found.function), found.problem};
}

} // namespace

ModuleEntry<decltype(ondaris_print_support_v1)> PrintModule()
{
    return Typed<decltype(ondaris_print_support_v1)>("printing", kPrintSupportEntry,
                                                     QStringLiteral("d'impression"));
}

ModuleEntry<decltype(ondaris_write_svg_page_v1)> SvgPageModule()
{
    return Typed<decltype(ondaris_write_svg_page_v1)>("svgpage", kWriteSvgPageEntry,
                                                      QStringLiteral("SVG"));
}

ModuleEntry<decltype(ondaris_open_hand_over_channel_v2)> HandOverModule()
{
    return Typed<decltype(ondaris_open_hand_over_channel_v2)>(
        "handover", kOpenHandOverChannelEntry, QStringLiteral("de passage des fichiers"));
}

namespace modules_testing {

ModuleEntry<void()> Find(const char *module, const char *function, const QString &title)
{
    return ::Find(module, function, title);
}

} // namespace modules_testing
