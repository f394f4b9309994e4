#pragma once

// The command ids of the menus, the tool bar and the keyboard. Each QAction carries its id as
// its objectName, so that tests and the menu tables find it.
namespace cmd {

enum Id : int {
    Preferences = 32771,
    Average = 32772,
    Calendar = 32773,
    WizardBiorythme = 32774,
    WizardCompatibilite = 32775,
    WizardAffinite = 32776,
    NamesManagement = 32781,
    Identification = 32783,
    Comments = 32785,
    StartDate = 32786,
    FileExport = 32790,
    WizardGroupe = 32827,
    FileNew = 57600,
    FileOpen = 57601,
    FileClose = 57602,
    FileSave = 57603,
    FileSaveAs = 57604,
    PrintSetup = 57606,
    Print = 57607,
    PrintPreview = 57609,
    RecentFile1 = 57616,
    WindowNew = 57648,
    WindowArrange = 57649,
    WindowCascade = 57650,
    WindowTile = 57651,
    About = 57664,
    Exit = 57665,
    HelpIndex = 57667,
    ContextHelp = 57669,
    Help = 57670,
    NextPane = 57680,
    PreviousPane = 57681,
    ViewToolBar = 59392,
    ViewStatusBar = 59393,
    YearView = 32900,
    BestDays = 32901,
    EditUndo = 57643,
    EditRedo = 57644,
};

// The number of entries of the recent-file list, ids RecentFile1 to RecentFile1 + 3.
inline constexpr int kRecentFileCount = 4;

} // namespace cmd
