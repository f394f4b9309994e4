#include "mainwindow/menu_tables.h"

#include "mainwindow/command_ids.h"

namespace menus {

namespace {

constexpr Entry kSeparator{0, nullptr};

const Entry kOpen{cmd::FileOpen, u"&Ouvrir...\tCtrl+O"};
const Entry kClose{cmd::FileClose, u"&Fermer"};
const Entry kPrintSetup{cmd::PrintSetup, u"&Configuration de l'impression..."};
const Entry kRecent{cmd::RecentFile1, u"Fichier récent"};
const Entry kExit{cmd::Exit, u"&Quitter"};

Menu FileMenuWithoutStudy()
{
    return {u"&Fichier",
            {kOpen, kSeparator, kPrintSetup, kSeparator, kRecent, kSeparator, kClose, kExit}};
}

Menu FileMenuOfStudy()
{
    return {u"&Fichier",
            {kOpen,
             kClose,
             {cmd::FileSave, u"&Enregistrer\tCtrl+S"},
             {cmd::FileSaveAs, u"Enregistrer &sous..."},
             kSeparator,
             {cmd::Print, u"&Imprimer...\tCtrl+P"},
             {cmd::PrintPreview, u"&Aperçu avant impression"},
             {cmd::FileExport, u"&Exporter...\tCtrl+E"},
             kPrintSetup,
             kSeparator,
             kRecent,
             kSeparator,
             kExit}};
}

Menu StudiesMenu()
{
    return {u"E&tudes",
            {{cmd::WizardBiorythme, u"Assistant &Biorythme..."},
             {cmd::WizardCompatibilite, u"Assistant &Compatibilité..."},
             {cmd::WizardAffinite, u"Assistant &Affinités..."},
             {cmd::WizardGroupe, u"Affinités du &groupe..."}}};
}

Menu EditMenu(int menuId)
{
    const Entry comments{cmd::Comments, u"&Commentaires..."};
    const Entry startDate{cmd::StartDate, u"&Date de départ..."};
    switch (menuId) {
    case 129:
        return {u"&Modifier", {{cmd::Identification, u"&Identification..."}, startDate, comments}};
    case 130:
        return {u"&Modifier", {{cmd::Identification, u"&Personnes..."}, startDate, comments}};
    case 132:
        return {u"&Modifier", {{cmd::Identification, u"&Membres..."}, comments}};
    default:
        return {u"&Modifier", {{cmd::Identification, u"&Identification..."}, comments}};
    }
}

// Undo and redo head the edit menu of every type of study.
Menu WithUndo(Menu edit)
{
    edit.entries = QList<Entry>{{cmd::EditUndo, u"&Annuler\tCtrl+Z"},
                                {cmd::EditRedo, u"&Rétablir\tCtrl+Maj+Z"},
                                kSeparator} +
                   edit.entries;
    return edit;
}

Menu ViewMenu(bool withAverage)
{
    Menu menu{u"&Affichage",
              {{cmd::ViewToolBar, u"&Barre d'outils"}, {cmd::ViewStatusBar, u"Barre d'é&tat"}}};
    if (withAverage) {
        menu.entries << kSeparator << Entry{cmd::Average, u"Mo&yenne"};
        menu.entries << kSeparator << Entry{cmd::YearView, u"&Année"}
                     << Entry{cmd::BestDays, u"&Meilleurs jours..."};
    }
    return menu;
}

Menu OptionsMenu()
{
    return {u"Options",
            {{cmd::Calendar, u"&Calendrier"},
             {cmd::NamesManagement, u"&Gestion des Noms..."},
             {cmd::Preferences, u"&Préférences..."}}};
}

Menu WindowMenu()
{
    return {u"&Fenêtre",
            {{cmd::WindowNew, u"&Nouvelle fenêtre"},
             {cmd::WindowCascade, u"&Cascade"},
             {cmd::WindowTile, u"&Mosaïque"},
             {cmd::WindowArrange, u"&Réorganiser les icônes"}}};
}

Menu HelpMenu()
{
    return {u"&Aide",
            {{cmd::HelpIndex, u"&Rubriques d'aide"},
             kSeparator,
             {cmd::About, u"À propos d'&Ondaris..."}}};
}

} // namespace

QList<Menu> Table(int menuId)
{
    switch (menuId) {
    case kNoStudy:
        return {FileMenuWithoutStudy(), StudiesMenu(), ViewMenu(false), OptionsMenu(), HelpMenu()};
    case 129:
    case 130:
    case 131:
    case 132:
        return {FileMenuOfStudy(),
                StudiesMenu(),
                WithUndo(EditMenu(menuId)),
                ViewMenu(menuId < 131),
                OptionsMenu(),
                WindowMenu(),
                HelpMenu()};
    default:
        return {};
    }
}

QString ItemText(const Entry &entry)
{
    const QString text = QString::fromUtf16(entry.text);
    return text.left(text.indexOf(u'\t'));
}

} // namespace menus
