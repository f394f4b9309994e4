#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>

class CommandSet;
class HelpWindow;
class MainMenus;
class QMdiArea;
class QToolBar;
class RecentFiles;
class StatusBar;
class WindowList;

// The main window: the study windows in a multi-document area, the menus of the current state,
// the tool bar and the status bar. It keeps its place, runs the preferences and the help, and
// arranges the study windows.
class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    static QString AppTitle() { return QStringLiteral("Ondaris 3"); }

    // Takes its saved place before it is first shown.
    explicit CMainFrame(RecentFiles &recent, QWidget *parent = nullptr);
    ~CMainFrame() override;

    StatusBar *m_wndStatusBar = nullptr;
    QToolBar *m_wndToolBar = nullptr;

    QMdiArea *MdiArea() const { return m_mdiArea; }
    CommandSet &Commands() const { return *m_commands; }
    MainMenus &Menus() const { return *m_menus; }
    WindowList &Windows() const { return *m_windowList; }
    // Made the first time it is asked for: most runs never open the help.
    HelpWindow *Help();

    // "Ondaris 3 - title" for the active study's title, "Ondaris 3 - [title]" while its window
    // is maximised, "Ondaris 3" alone without a study.
    void SetStudyTitle(const QString &studyTitle, bool maximized);
    // Asked when the window is closed, after its place was stored: whether the studies may go.
    void SetCloseCheck(std::function<bool()> check) { m_closeCheck = std::move(check); }

Q_SIGNALS:
    void filesDropped(const QStringList &paths);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void ConnectFrameCommands();
    void ShowHelp();
    void ArrangeIcons();

    QMdiArea *m_mdiArea;
    std::unique_ptr<CommandSet> m_commands;
    MainMenus *m_menus = nullptr;
    WindowList *m_windowList = nullptr;
    HelpWindow *m_help = nullptr;
    std::function<bool()> m_closeCheck;
};
