#include "mainwindow/commands.h"

#include "mainwindow/app_icons.h"
#include "mainwindow/command_ids.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>
#include <array>

namespace {

struct CommandInfo
{
    int id;
    const char16_t *prompt;                // status-bar text, line break, tool tip
    const char *icon;                      // tool-bar image in the resources, or nullptr
    QKeyCombination key = Qt::Key_unknown; // keyboard shortcut
};

// The program's own prompts, then those of the commands the framework used to bring.
const std::array<CommandInfo, 37> kCommands = {{
    {cmd::Preferences, u"Préférences utilisateur\nPréférences", "preferences"},
    {cmd::Average, u"Affiche la moyenne des trois courbes\nMoyenne", "average"},
    {cmd::Calendar, u"Affiche le calendrier\nCalendrier", "calendar"},
    {cmd::WizardBiorythme, u"Biorythme à partir d'une date donnée\nAssistant Biorythme",
     "wizard_biorythme"},
    {cmd::WizardCompatibilite,
     u"Compatibilité des biorythmes de deux personnes\nAssistant Compatibilité",
     "wizard_compatibilite"},
    {cmd::WizardAffinite,
     u"Affinité entre deux personnes du point de vue des biorythmes\nAssistant Affinité",
     "wizard_affinite"},
    {cmd::WizardGroupe, u"Affinités de chaque paire d'un groupe de personnes\nAffinités du groupe",
     "wizard_groupe"},
    {cmd::NamesManagement, u"Gestion de la liste de noms\nGestion des noms", "names"},
    {cmd::Identification, u"Modifier les données d'identification\nIdentification",
     "identification"},
    {cmd::Comments, u"Commenter le graphique\nCommentaires", "comments"},
    {cmd::StartDate, u"Modifier la date de départ\nDate de départ", "start_date"},
    {cmd::FileExport,
     u"Exporte l'étude active en PDF, PNG, SVG, CSV ou iCalendar (jours critiques)\nExporter",
     nullptr, Qt::CTRL | Qt::Key_E},
    {cmd::FileNew, u"Crée une nouvelle étude\nNouveau", nullptr, Qt::CTRL | Qt::Key_N},
    {cmd::FileOpen, u"Ouvre une étude existante\nOuvrir", "open", Qt::CTRL | Qt::Key_O},
    {cmd::FileClose, u"Ferme l'étude active\nFermer", nullptr},
    {cmd::FileSave, u"Enregistre l'étude active\nEnregistrer", "save", Qt::CTRL | Qt::Key_S},
    {cmd::FileSaveAs, u"Enregistre l'étude active sous un nouveau nom\nEnregistrer sous", nullptr},
    {cmd::PrintSetup,
     u"Modifie les options d'impression et d'imprimante\nConfiguration de l'impression", nullptr},
    {cmd::Print, u"Imprime l'étude active\nImprimer", "print", Qt::CTRL | Qt::Key_P},
    {cmd::PrintPreview, u"Affiche la page entière\nAperçu avant impression", "preview"},
    {cmd::WindowNew, u"Ouvre une autre fenêtre pour l'étude active\nNouvelle fenêtre", nullptr},
    {cmd::WindowArrange, u"Réorganise les icônes en bas de la fenêtre\nRéorganiser les icônes",
     nullptr},
    {cmd::WindowCascade, u"Réorganise les fenêtres en cascade\nCascade", nullptr},
    {cmd::WindowTile, u"Réorganise les fenêtres en mosaïque\nMosaïque", nullptr},
    {cmd::About,
     u"Affiche des informations sur le programme, le numéro de version et de compilation\n"
     u"À propos de",
     nullptr},
    {cmd::Exit, u"Quitte l'application ; propose d'enregistrer les études\nQuitter", nullptr},
    {cmd::HelpIndex, u"Ouvre l'aide d'Ondaris\nRubriques d'aide", "help"},
    {cmd::ContextHelp, u"Ouvre l'aide d'Ondaris\nAide", nullptr, Qt::SHIFT | Qt::Key_F1},
    {cmd::Help, u"Ouvre l'aide d'Ondaris\nAide", nullptr, Qt::Key_F1},
    {cmd::NextPane, u"Passe à la fenêtre d'étude suivante\nFenêtre suivante", nullptr, Qt::Key_F6},
    {cmd::PreviousPane, u"Revient à la fenêtre d'étude précédente\nFenêtre précédente", nullptr,
     Qt::SHIFT | Qt::Key_F6},
    {cmd::ViewToolBar, u"Affiche ou masque la barre d'outils\nBarre d'outils", nullptr},
    {cmd::ViewStatusBar, u"Affiche ou masque la barre d'état\nBarre d'état", nullptr},
    {cmd::YearView, u"Ouvre l'année de l'étude dans une autre fenêtre, un jour par case\nAnnée",
     nullptr},
    {cmd::BestDays,
     u"Cherche les meilleurs jours d'une période, jours critiques écartés\nMeilleurs jours",
     nullptr},
    {cmd::EditUndo, u"Annule la dernière modification de l'étude active\nAnnuler", "undo",
     Qt::CTRL | Qt::Key_Z},
    {cmd::EditRedo, u"Rétablit la modification annulée de l'étude active\nRétablir", "redo",
     Qt::CTRL | Qt::SHIFT | Qt::Key_Z},
}};

const CommandInfo *Find(int id)
{
    for (const CommandInfo &info : kCommands) {
        if (info.id == id)
            return &info;
    }
    return nullptr;
}

} // namespace

CommandSet::CommandSet(QWidget *owner)
{
    for (const CommandInfo &info : kCommands) {
        auto *action = new QAction(owner);
        action->setObjectName(QString::number(info.id));
        const QString prompt = QString::fromUtf16(info.prompt);
        const qsizetype cut = prompt.indexOf(u'\n');
        action->setStatusTip(prompt.left(cut));
        if (cut >= 0)
            action->setToolTip(prompt.mid(cut + 1));
        if (info.icon)
            action->setIcon(ToolIcon(QString::fromLatin1(info.icon)));
        if (info.key.key() != Qt::Key_unknown)
            action->setShortcut(QKeySequence(info.key));
        owner->addAction(action);
        m_actions.insert(info.id, action);
    }
    Action(cmd::Average)->setCheckable(true);
    Action(cmd::ViewToolBar)->setCheckable(true);
    Action(cmd::ViewStatusBar)->setCheckable(true);
    Action(cmd::EditRedo)
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
}

QAction *CommandSet::Action(int id) const
{
    return m_actions.value(id);
}

QString CommandSet::Prompt(int id)
{
    const CommandInfo *info = Find(id);
    return info ? QString::fromUtf16(info->prompt) : QString();
}
