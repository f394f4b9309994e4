#include "mainwindow/main_menus.h"

#include "mainwindow/command_ids.h"
#include "mainwindow/commands.h"
#include "mainwindow/menu_tables.h"
#include "mainwindow/window_list.h"
#include "persistence/recent_files.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

MainMenus::MainMenus(QMenuBar &bar, const CommandSet &commands, RecentFiles &recent,
                     QObject *parent)
    : QObject(parent), m_bar(bar), m_commands(commands), m_recent(recent)
{
    m_recentPlaceholder = new QAction(QStringLiteral("Fichier récent"), this);
    m_recentPlaceholder->setEnabled(false);
    for (int i = 0; i < cmd::kRecentFileCount; ++i) {
        auto *action = new QAction(this);
        action->setObjectName(QString::number(cmd::RecentFile1 + i));
        action->setStatusTip(QStringLiteral("Ouvre cette étude"));
        connect(action, &QAction::triggered, this, [this, i]() {
            if (i < m_recent.Files().size())
                Q_EMIT recentFileChosen(m_recent.Files().at(i));
        });
        m_recentActions << action;
    }
    connect(&m_recent, &RecentFiles::changed, this, &MainMenus::UpdateRecentFiles);
    UpdateRecentFiles();
}

void MainMenus::Show(int menuId)
{
    if (!m_menus.contains(menuId))
        m_menus.insert(menuId, Build(menuId));
    // Commands shared by several menus may read differently in each ("&Personnes...").
    for (const menus::Menu &menu : menus::Table(menuId)) {
        for (const menus::Entry &entry : menu.entries) {
            if (entry.id != 0 && entry.id != cmd::RecentFile1)
                m_commands.Action(entry.id)->setText(menus::ItemText(entry));
        }
    }
    if (m_shown == menuId)
        return;
    m_bar.clear();
    for (QMenu *menu : m_menus.value(menuId))
        m_bar.addMenu(menu);
    m_shown = menuId;
}

QList<QMenu *> MainMenus::Build(int menuId)
{
    QList<QMenu *> built;
    for (const menus::Menu &definition : menus::Table(menuId)) {
        auto *menu = new QMenu(QString::fromUtf16(definition.title), &m_bar);
        // A screen reader names the open menu after its title.
        menu->setAccessibleName(menu->title().remove(u'&'));
        for (const menus::Entry &entry : definition.entries) {
            if (entry.id == 0) {
                menu->addSeparator();
            } else if (entry.id == cmd::RecentFile1) {
                menu->addAction(m_recentPlaceholder);
                menu->addActions(m_recentActions);
            } else {
                menu->addAction(m_commands.Action(entry.id));
            }
            if (entry.id == cmd::WindowNew && m_windowList)
                m_windowList->Attach(*menu);
        }
        built << menu;
    }
    return built;
}

void MainMenus::UpdateRecentFiles()
{
    const QStringList &files = m_recent.Files();
    m_recentPlaceholder->setVisible(files.isEmpty());
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction *action = m_recentActions.at(i);
        action->setVisible(i < files.size());
        if (i < files.size()) {
            QString shown = RecentFiles::Abbreviate(files.at(i));
            shown.replace(u'&', QStringLiteral("&&"));
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
            action->setToolTip(files.at(i));
        } else {
            // Hidden, but a screen reader still lists it.
            action->setText(QStringLiteral("Fichier récent %1 (vide)").arg(i + 1));
        }
    }
}
