#pragma once

#include <QHash>
#include <QString>

class QAction;
class QWidget;

// One QAction per command of the program, with its prompt (status-bar text and tool tip), its
// keyboard shortcut and its tool-bar image. The menus and the tool bar share these actions, so
// that a command is enabled, checked or triggered in one place.
class CommandSet
{
public:
    // The actions are children of owner and added to it, so that their shortcuts work whatever
    // menu is shown.
    explicit CommandSet(QWidget *owner);

    QAction *Action(int id) const;
    bool Has(int id) const { return m_actions.contains(id); }

    // The prompt of a command, "status text\ntool tip", or an empty text.
    static QString Prompt(int id);

private:
    QHash<int, QAction *> m_actions;
};
