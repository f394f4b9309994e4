#include "mainwindow/main_frame.h"

#include "dialogs/help_window.h"
#include "dialogs/prefs_dialog.h"
#include "mainwindow/command_ids.h"
#include "mainwindow/commands.h"
#include "mainwindow/main_menus.h"
#include "mainwindow/status_bar.h"
#include "mainwindow/tool_bar.h"
#include "mainwindow/window_list.h"
#include "mainwindow/window_position.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace {

QStringList LocalFiles(const QMimeData *data)
{
    QStringList files;
    if (!data)
        return files;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

} // namespace

CMainFrame::CMainFrame(RecentFiles &recent, QWidget *parent)
    : QMainWindow(parent), m_mdiArea(new QMdiArea(this)),
      m_commands(std::make_unique<CommandSet>(this))
{
    setObjectName(QStringLiteral("128"));
    window_position::Restore(*this);
    setWindowTitle(AppTitle());
    setAcceptDrops(true);

    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);

    m_menus = new MainMenus(*menuBar(), *m_commands, recent, this);
    m_windowList = new WindowList(*m_mdiArea, this);
    m_menus->SetWindowList(*m_windowList);
    m_menus->Show(128);
    // Names for screen readers, which read neither the bar nor the area from the screen.
    menuBar()->setAccessibleName(QStringLiteral("Barre de menus"));
    m_mdiArea->setAccessibleName(QStringLiteral("Études ouvertes"));

    m_wndToolBar = CreateToolBar(*m_commands, this);
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
    m_wndStatusBar = new StatusBar(this);
    setStatusBar(m_wndStatusBar);
    setDockOptions(dockOptions() | QMainWindow::AnimatedDocks);

    ConnectFrameCommands();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::ConnectFrameCommands()
{
    const CommandSet &commands = *m_commands;
    connect(commands.Action(cmd::Preferences), &QAction::triggered, this,
            [this]() { TPrefs::Run(this); });
    for (const int id : {cmd::HelpIndex, cmd::Help, cmd::ContextHelp})
        connect(commands.Action(id), &QAction::triggered, this, &CMainFrame::ShowHelp);
    connect(commands.Action(cmd::Exit), &QAction::triggered, this, &QWidget::close);

    QAction *toolBar = commands.Action(cmd::ViewToolBar);
    toolBar->setChecked(true);
    connect(toolBar, &QAction::toggled, m_wndToolBar, &QWidget::setVisible);
    connect(m_wndToolBar, &QToolBar::visibilityChanged, toolBar, [this, toolBar]() {
        // Hiding the window also hides the bar; only the user's choice counts.
        if (isVisible())
            toolBar->setChecked(m_wndToolBar->isVisible());
    });
    QAction *statusBar = commands.Action(cmd::ViewStatusBar);
    statusBar->setChecked(true);
    connect(statusBar, &QAction::toggled, m_wndStatusBar, &QWidget::setVisible);

    connect(commands.Action(cmd::WindowCascade), &QAction::triggered, m_mdiArea,
            &QMdiArea::cascadeSubWindows);
    connect(commands.Action(cmd::WindowTile), &QAction::triggered, m_mdiArea,
            &QMdiArea::tileSubWindows);
    connect(commands.Action(cmd::WindowArrange), &QAction::triggered, this,
            &CMainFrame::ArrangeIcons);
    connect(commands.Action(cmd::NextPane), &QAction::triggered, m_mdiArea,
            &QMdiArea::activateNextSubWindow);
    connect(commands.Action(cmd::PreviousPane), &QAction::triggered, m_mdiArea,
            &QMdiArea::activatePreviousSubWindow);
}

HelpWindow *CMainFrame::Help()
{
    if (!m_help)
        m_help = new HelpWindow(this);
    return m_help;
}

void CMainFrame::ShowHelp()
{
    Help()->ShowContents();
}

void CMainFrame::ArrangeIcons()
{
    // Qt lines up minimised windows only when the area is resized; do it on request.
    int x = 0;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList()) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        if (x > 0 && x + size.width() > m_mdiArea->viewport()->width())
            x = 0;
        window->move(x, m_mdiArea->viewport()->height() - size.height());
        x += size.width();
    }
}

void CMainFrame::SetStudyTitle(const QString &studyTitle, bool maximized)
{
    // A maximised study window adds " - [its title]" to ours by itself.
    setWindowTitle(studyTitle.isEmpty() || maximized
                       ? AppTitle()
                       : AppTitle() + QStringLiteral(" - ") + studyTitle);
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    window_position::Store(*this);
    if (m_closeCheck && !m_closeCheck()) {
        event->ignore();
        return;
    }
    if (m_help)
        m_help->close();
    QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (!LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *event)
{
    const QStringList files = LocalFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    // The drop's source waits for the answer; open after it has one.
    QTimer::singleShot(0, this, [this, files]() { Q_EMIT filesDropped(files); });
}
