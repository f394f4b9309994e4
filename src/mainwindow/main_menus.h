#pragma once

#include <QHash>
#include <QList>
#include <QObject>

class CommandSet;
class QAction;
class QMenu;
class QMenuBar;
class RecentFiles;
class WindowList;

// Fills the menu bar with the menus of the current state (128 without a study, else the
// active study's type) and keeps the recent files in the "&Fichier" menus.
class MainMenus : public QObject
{
    Q_OBJECT
public:
    MainMenus(QMenuBar &bar, const CommandSet &commands, RecentFiles &recent,
              QObject *parent = nullptr);

    void Show(int menuId);
    int Shown() const { return m_shown; }
    // The study windows listed at the foot of every "&Fenêtre" menu built from now on.
    void SetWindowList(WindowList &list) { m_windowList = &list; }

Q_SIGNALS:
    void recentFileChosen(const QString &path);

private:
    QList<QMenu *> Build(int menuId);
    void UpdateRecentFiles();

    QMenuBar &m_bar;
    const CommandSet &m_commands;
    RecentFiles &m_recent;
    QHash<int, QList<QMenu *>> m_menus;
    WindowList *m_windowList = nullptr;
    QAction *m_recentPlaceholder = nullptr;
    QList<QAction *> m_recentActions;
    int m_shown = 0;
};
