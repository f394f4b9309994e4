#pragma once

#include <QList>
#include <QString>

// The menus of each state of the main window: 128 without a study, 129 (Biorythme),
// 130 (Compatibilité), 131 (Affinité) and 132 (Groupe) for the type of the active study.
namespace menus {

inline constexpr int kNoStudy = 128;

struct Entry
{
    int id;               // command id; 0 for a separator
    const char16_t *text; // with "&" before the underlined letter and "\t" before the shortcut
};

struct Menu
{
    const char16_t *title;
    QList<Entry> entries;
};

// The menus of one menu id, left to right; an empty list for an unknown id.
QList<Menu> Table(int menuId);

// The text of an entry without its shortcut part ("&Ouvrir..." for "&Ouvrir...\tCtrl+O").
QString ItemText(const Entry &entry);

} // namespace menus
