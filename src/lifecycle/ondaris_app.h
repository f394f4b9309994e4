#pragma once

#include "people/names_list.h"
#include "people/names_store.h"

#include <QObject>
#include <QString>
#include <memory>

class CMainFrame;
class InstanceLink;
class PrinterHandle;
class QTextStream;
class RecentFiles;
class StudyCommands;
class StudyManager;
struct CommandLine;
namespace recovery {
struct SetAside;
}

// The application: the names list and its data directory, the study types, the main window,
// and the commands that belong to no study (assistants, open, calendar, names, about).
class COndarisApp : public QObject
{
    Q_OBJECT
public:
    COndarisApp();
    // Writes the names list (under "SauvList") unless SaveNames did, also after a start-up that
    // failed.
    ~COndarisApp() override;

    // The start-up, in its order; false when it failed and the program is to end. The main
    // window is shown unless showWindow is false.
    bool InitInstance(const CommandLine &line, bool showWindow = true);
    // What --print and --print-to do in place of the window: the names list loaded, the study
    // opened as the window opens it (its persons registered), printed, and the list saved when
    // the application ends. Returns the exit code; a failure is written on err.
    int PrintStudy(const QString &path, PrinterHandle &printer, QTextStream &err);
    // The end's write of the names list (under "SauvList"), once: false when it could not be
    // written, which the exit code tells.
    bool SaveNames();

    NamesList m_names;
    NamesStore m_namesStore;
    QString m_dataDirectory;

    CMainFrame *MainFrame() const { return m_frame.get(); }
    StudyManager &Studies() const { return *m_studies; }
    RecentFiles &Recent() const { return *m_recent; }

    // Opens each file as if chosen in the open dialog.
    void OpenFiles(const QStringList &paths);
    // Opens the files that later starts hand over, at a calm moment, and comes forward.
    void TakeHandOvers(InstanceLink &link);
    // The end that a signal asks for, once the event loops are left: the main window closes as
    // on "&Quitter", but the studies' unsaved changes go to recovery copies instead of a
    // question. The window stays closed if it was already. False when a copy could not be
    // written: then the window and every study stay open, and a message says so once the
    // event loop runs again.
    bool CloseWithoutQuestions();
    // What is kept when the program may end at any moment without a word from the user (the
    // session's save request, a lost display): the changed studies' recovery copies and the
    // names list, written now, every failure said on standard error; the studies stay open.
    void KeepWork();

    void OnFileNew();
    void OnFileOpen();
    void OnNewStudy(const QString &docName);
    void OnCalendar();
    void OnNamesManagement();
    void OnAppAbout();
    void OnPrintSetup();

private:
    // The working directory, or the settings' chosen one, becomes the data directory for the
    // whole run; then the names list is read from it.
    void LoadNames();
    void ConnectAppCommands();
    // The studies that a signal ended unsaved: "Récupérer" reopens them, "Ignorer" forgets
    // them, and without an answer they are offered again at the next start.
    void OfferRecovery();
    // Copies that did not read, moved out of the way once: the user is told where.
    void SaySetAside(const QList<recovery::SetAside> &copies);
    void OpenRecentFile(const QString &path);

    std::unique_ptr<RecentFiles> m_recent;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<StudyManager> m_studies;
    std::unique_ptr<StudyCommands> m_studyCommands;
    bool m_namesSaved = false;
};
