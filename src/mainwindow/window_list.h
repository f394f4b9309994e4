#pragma once

#include <QHash>
#include <QList>
#include <QObject>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

// The foot of the "&Fenêtre" menus, as a multi-document frame gives it: after a separator,
// "&1 " and the title of each study window, up to nine, the active one checked, then
// "&Autres fenêtres..." when there are more, which offers them all in a list.
class WindowList : public QObject
{
    Q_OBJECT
public:
    static constexpr int kListed = 9;

    explicit WindowList(QMdiArea &area, QObject *parent = nullptr);

    // The list is made anew each time the menu opens, below the menu's own items.
    void Attach(QMenu &menu);

    // The windows that the menu lists, in order: the first nine opened, the active one in the
    // ninth place when it comes later.
    QList<QMdiSubWindow *> Listed() const;
    // "&Autres fenêtres...": every window in a list; the one chosen is activated.
    void ChooseAmongAll();

private:
    void Fill(QMenu &menu);
    void Activate(QMdiSubWindow *window);

    QMdiArea &m_area;
    QHash<QMenu *, QList<QAction *>> m_added;
};
