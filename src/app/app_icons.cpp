#include "app/app_icons.h"

#include <initializer_list>

namespace {

QIcon Rendered(const QString &folder, const QString &name, std::initializer_list<int> sizes)
{
    QIcon icon;
    for (const int size : sizes) {
        icon.addFile(QStringLiteral(":/app/%1/%2x%2/%3.png").arg(folder).arg(size).arg(name),
                     QSize(size, size));
    }
    return icon;
}

} // namespace

QIcon ToolIcon(const QString &name)
{
    return Rendered(QStringLiteral("icons"), name, {ONDARIS_TOOL_ICON_SIZES});
}

QIcon ProgramIcon()
{
    return Rendered(QStringLiteral("program"), QStringLiteral("ondaris"),
                    {ONDARIS_PROGRAM_ICON_SIZES});
}
