#include "mainwindow/study_commands.h"

#include "charts/chart_view.h"
#include "charts/curve_chart_view.h"
#include "charts/year_view.h"
#include "dialogs/best_days_dialog.h"
#include "dialogs/export_dialog.h"
#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/message_box.h"
#include "framework/study_history.h"
#include "mainwindow/child_frame.h"
#include "mainwindow/command_ids.h"
#include "mainwindow/commands.h"
#include "mainwindow/main_frame.h"
#include "mainwindow/main_menus.h"
#include "mainwindow/menu_tables.h"
#include "mainwindow/study_manager.h"
#include "studies/study_days.h"

#include <QAction>
#include <QDate>
#include <QUndoStack>

namespace {

ChartView *ChartOf(const CChildFrame *frame)
{
    return frame ? qobject_cast<ChartView *>(frame->View()) : nullptr;
}

CurveChartView *CurveChartOf(const CChildFrame *frame)
{
    return frame ? qobject_cast<CurveChartView *>(frame->View()) : nullptr;
}

YearView *YearViewOf(const CChildFrame *frame)
{
    return frame ? qobject_cast<YearView *>(frame->View()) : nullptr;
}

} // namespace

StudyCommands::StudyCommands(CMainFrame &frame, StudyManager &studies, QObject *parent)
    : QObject(parent), m_frame(frame), m_studies(studies)
{
    Connect();
    connect(&m_studies, &StudyManager::activeChanged, this, &StudyCommands::Update);
    Update();
}

void StudyCommands::Connect()
{
    const CommandSet &commands = m_frame.Commands();
    const auto onDocument = [&](int id, auto act) {
        connect(commands.Action(id), &QAction::triggered, this, [this, act]() {
            if (CDocument *document = m_studies.ActiveDocument())
                act(*document);
        });
    };
    const auto onFrame = [&](int id, auto act) {
        connect(commands.Action(id), &QAction::triggered, this, [this, act]() {
            if (CChildFrame *frame = m_studies.ActiveFrame())
                act(*frame);
        });
    };
    onDocument(cmd::FileSave, [this](CDocument &document) { m_studies.Save(document); });
    onDocument(cmd::FileSaveAs, [this](CDocument &document) { m_studies.SaveAs(document); });
    onDocument(cmd::FileClose, [this](CDocument &document) { m_studies.CloseStudy(document); });
    onDocument(cmd::WindowNew, [this](CDocument &document) { m_studies.NewWindow(document); });
    onDocument(cmd::FileExport, [this](CDocument &document) {
        if (const YearView *year = YearViewOf(m_studies.ActiveFrame()))
            ExportYearWithDialog(&m_frame, document, m_studies.DialogFolder(), year->Curve());
        else
            ExportWithDialog(&m_frame, document, m_studies.DialogFolder());
    });
    onDocument(cmd::YearView, [this](CDocument &document) { OpenYear(document, {}); });
    onDocument(cmd::BestDays, [this](CDocument &document) {
        if (!document.HasStartDate())
            return;
        BestDaysDialog dialog(document, QDate::currentDate(), m_studies.DialogFolder(), &m_frame);
        if (dialog.exec() == QDialog::Accepted && dialog.OpenedDate().isValid())
            OpenYear(document, dialog.OpenedDate());
    });
    onDocument(cmd::Identification, [this](CDocument &document) {
        study_history::Record(document, EditName(cmd::Identification),
                              [&document] { document.OnEditPersons(); });
    });
    onDocument(cmd::StartDate, [this](CDocument &document) {
        if (document.HasStartDate())
            study_history::Record(document, EditName(cmd::StartDate),
                                  [&document] { document.OnEditStartDate(); });
    });
    onDocument(cmd::EditUndo, [](CDocument &document) { study_history::StackOf(document).undo(); });
    onDocument(cmd::EditRedo, [](CDocument &document) { study_history::StackOf(document).redo(); });
    onFrame(cmd::Print, [](CChildFrame &frame) { frame.View()->OnFilePrint(); });
    onFrame(cmd::PrintPreview, [](CChildFrame &frame) { frame.View()->OnFilePrintPreview(); });
    onFrame(cmd::Comments, [](CChildFrame &frame) {
        if (ChartView *view = ChartOf(&frame))
            view->OnComment();
    });
    onFrame(cmd::Average, [this](CChildFrame &frame) {
        if (CurveChartView *view = CurveChartOf(&frame))
            view->OnAverage();
        else
            m_frame.Commands().Action(cmd::Average)->setChecked(false);
    });
}

void StudyCommands::OpenYear(CDocument &document, const QDate &day)
{
    YearView *view = nullptr;
    for (CChildFrame *frame : m_studies.FramesOf(document)) {
        if ((view = YearViewOf(frame))) {
            m_studies.Activate(*frame);
            break;
        }
    }
    if (!view) {
        view = CreateYearViewFor(&document);
        if (!view)
            return;
        m_studies.NewWindow(document, view);
    }
    if (!day.isValid())
        return;
    if (view->DayText(day).isEmpty()) {
        messages::Show(&m_frame, QMessageBox::Information,
                       QStringLiteral("Le %1 n'est pas dans l'année de l'étude, les douze mois à "
                                      "partir de sa date de départ : changez la date de départ "
                                      "pour le voir.")
                           .arg(MessageDate(day)));
        return;
    }
    view->MoveCursorTo(day);
}

void StudyCommands::Update()
{
    const CommandSet &commands = m_frame.Commands();
    const CChildFrame *frame = m_studies.ActiveFrame();
    const CDocument *document = frame ? &frame->Document() : nullptr;
    const CDocTemplate *docTemplate = document ? document->GetDocTemplate() : nullptr;

    m_frame.Menus().Show(docTemplate ? docTemplate->GetResourceId() : menus::kNoStudy);
    m_frame.SetStudyTitle(document ? document->GetTitle() : QString(),
                          frame && frame->isMaximized());

    for (const int id :
         {cmd::FileSave, cmd::FileSaveAs, cmd::FileClose, cmd::Print, cmd::PrintPreview,
          cmd::FileExport, cmd::Identification, cmd::Comments, cmd::WindowNew, cmd::WindowCascade,
          cmd::WindowTile, cmd::WindowArrange, cmd::NextPane, cmd::PreviousPane})
        commands.Action(id)->setEnabled(frame != nullptr);
    commands.Action(cmd::StartDate)->setEnabled(document && document->HasStartDate());
    commands.Action(cmd::YearView)->setEnabled(document && document->HasStartDate());
    commands.Action(cmd::BestDays)->setEnabled(document && document->HasStartDate());
    commands.Action(cmd::Average)->setEnabled(CurveChartOf(frame) != nullptr);
    FollowActiveView();
    FollowHistory(m_studies.ActiveDocument());
}

QString StudyCommands::EditName(int id) const
{
    return study_history::EditName(m_frame.Commands().Action(id)->text());
}

void StudyCommands::FollowHistory(CDocument *document)
{
    disconnect(m_historyFollower);
    QAction *undo = m_frame.Commands().Action(cmd::EditUndo);
    QAction *redo = m_frame.Commands().Action(cmd::EditRedo);
    QUndoStack *stack = document ? &study_history::StackOf(*document) : nullptr;
    const auto show = [undo, redo, stack] {
        const bool canUndo = stack && stack->canUndo();
        const bool canRedo = stack && stack->canRedo();
        undo->setEnabled(canUndo);
        redo->setEnabled(canRedo);
        // The menu item names the edit it takes back: "Annuler Date de départ".
        undo->setText(canUndo ? QStringLiteral("&Annuler ") + stack->undoText()
                              : QStringLiteral("&Annuler"));
        redo->setText(canRedo ? QStringLiteral("&Rétablir ") + stack->redoText()
                              : QStringLiteral("&Rétablir"));
    };
    show();
    if (stack)
        m_historyFollower = connect(stack, &QUndoStack::indexChanged, undo, show);
}

void StudyCommands::FollowActiveView()
{
    QAction *average = m_frame.Commands().Action(cmd::Average);
    disconnect(m_averageFollower);
    CurveChartView *view = CurveChartOf(m_studies.ActiveFrame());
    average->setChecked(view && view->showAverage);
    if (view)
        m_averageFollower =
            connect(view, &CurveChartView::showAverageChanged, average, &QAction::setChecked);
}
