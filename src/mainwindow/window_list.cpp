#include "mainwindow/window_list.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString MenuText(const QString &title)
{
    return QString(title).replace(u'&', QStringLiteral("&&"));
}

// The list of every window, the active one chosen; the row chosen, or -1.
int ChooseRow(QWidget *parent, const QStringList &titles, int active)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Sélectionner une fenêtre"));
    auto *list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("windows"));
    list->addItems(titles);
    list->setCurrentRow(active);
    auto *label = new QLabel(QStringLiteral("&Fenêtres :"), &dialog);
    label->setBuddy(list);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    list->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return list->currentRow();
}

} // namespace

WindowList::WindowList(QMdiArea &area, QObject *parent) : QObject(parent), m_area(area) {}

void WindowList::Attach(QMenu &menu)
{
    connect(&menu, &QMenu::aboutToShow, this, [this, &menu]() { Fill(menu); });
    connect(&menu, &QObject::destroyed, this, [this, &menu]() { m_added.remove(&menu); });
}

QList<QMdiSubWindow *> WindowList::Listed() const
{
    QList<QMdiSubWindow *> listed = m_area.subWindowList(QMdiArea::CreationOrder);
    QMdiSubWindow *active = m_area.activeSubWindow();
    if (listed.size() > kListed) {
        // Like the multi-document frames it follows, the menu always shows the active window.
        if (active && listed.indexOf(active) >= kListed)
            listed[kListed - 1] = active;
        listed.resize(kListed);
    }
    return listed;
}

void WindowList::Fill(QMenu &menu)
{
    qDeleteAll(m_added.take(&menu));
    const QList<QMdiSubWindow *> listed = Listed();
    if (listed.isEmpty())
        return;
    QList<QAction *> added{menu.addSeparator()};
    for (qsizetype i = 0; i < listed.size(); ++i) {
        QMdiSubWindow *window = listed.at(i);
        QAction *item = menu.addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(MenuText(window->windowTitle())));
        // Only the active window carries a mark; the others show none, not an empty box.
        const bool active = window == m_area.activeSubWindow();
        item->setCheckable(active);
        item->setChecked(active);
        item->setStatusTip(QStringLiteral("Activer cette fenêtre"));
        connect(item, &QAction::triggered, this,
                [this, target = QPointer<QMdiSubWindow>(window)]() { Activate(target); });
        added << item;
    }
    if (m_area.subWindowList().size() > kListed) {
        QAction *more = menu.addAction(QStringLiteral("&Autres fenêtres..."));
        more->setStatusTip(QStringLiteral("Affiche la liste de toutes les fenêtres"));
        connect(more, &QAction::triggered, this, &WindowList::ChooseAmongAll);
        added << more;
    }
    m_added.insert(&menu, added);
}

void WindowList::ChooseAmongAll()
{
    const QList<QMdiSubWindow *> all = m_area.subWindowList(QMdiArea::CreationOrder);
    QStringList titles;
    for (const QMdiSubWindow *window : all)
        titles << window->windowTitle();
    const int row = ChooseRow(m_area.window(), titles, int(all.indexOf(m_area.activeSubWindow())));
    if (row >= 0 && row < all.size())
        Activate(all.at(row));
}

void WindowList::Activate(QMdiSubWindow *window)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->showNormal();
    m_area.setActiveSubWindow(window);
    window->widget()->setFocus();
}
