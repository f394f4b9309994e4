#include "mainwindow/tool_bar.h"

#include "mainwindow/command_ids.h"
#include "mainwindow/commands.h"

#include <QToolBar>
#include <QToolButton>
#include <array>

QToolBar *CreateToolBar(const CommandSet &commands, QWidget *parent)
{
    static constexpr std::array<int, 24> kButtons = {
        cmd::FileOpen,
        cmd::FileSave,
        0,
        cmd::Print,
        cmd::PrintPreview,
        0,
        cmd::WizardBiorythme,
        cmd::WizardCompatibilite,
        cmd::WizardAffinite,
        cmd::WizardGroupe,
        0,
        cmd::EditUndo,
        cmd::EditRedo,
        0,
        cmd::Identification,
        cmd::StartDate,
        cmd::Comments,
        0,
        cmd::Average,
        0,
        cmd::Calendar,
        cmd::NamesManagement,
        cmd::Preferences,
        0,
    };
    auto *bar = new QToolBar(QStringLiteral("Barre d'outils"), parent);
    bar->setObjectName(QStringLiteral("128"));
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    for (const int id : kButtons) {
        if (id == 0)
            bar->addSeparator();
        else
            bar->addAction(commands.Action(id));
    }
    bar->addAction(commands.Action(cmd::HelpIndex));
    // The button that shows the buttons a narrow window hides; Qt leaves it unnamed.
    if (auto *more = bar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("Autres boutons"));
    return bar;
}
