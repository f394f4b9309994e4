#pragma once

#include <QIcon>
#include <QString>

// The tool-bar, menu and study-window images by their name in resources/app/icons, rendered at
// build time at the sizes menus and tool bars ask for.
QIcon ToolIcon(const QString &name);

// The program's icon for its windows: the picture that its installed theme icon is made from.
QIcon ProgramIcon();
