#include "lifecycle/ondaris_app.h"

#include "charts/chart_view.h"
#include "charts/view_factory.h"
#include "commandline/command_line.h"
#include "dialogs/splash.h"
#include "framework/doc_template.h"
#include "framework/message_box.h"
#include "framework/modules.h"
#include "lifecycle/handed_over_studies.h"
#include "lifecycle/instance_link.h"
#include "mainwindow/app_icons.h"
#include "mainwindow/command_ids.h"
#include "mainwindow/commands.h"
#include "mainwindow/deferred_icon_style.h"
#include "mainwindow/main_frame.h"
#include "mainwindow/main_menus.h"
#include "mainwindow/study_commands.h"
#include "mainwindow/study_manager.h"
#include "people/about_dialog.h"
#include "people/calendar_dialog.h"
#include "people/names_dialog.h"
#include "persistence/app_settings.h"
#include "persistence/recent_files.h"
#include "persistence/recovery_copies.h"
#include "printing/print_support.h"
#include "studies/study_loader.h"
#include "studies/study_types.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMdiArea>
#include <QSessionManager>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

COndarisApp::COndarisApp() = default;

COndarisApp::~COndarisApp()
{
    // The studies go before the windows that show them.
    m_studyCommands.reset();
    m_studies.reset();
    m_frame.reset();
    SaveNames();
}

void COndarisApp::LoadNames()
{
    m_names.count = 0;
    m_dataDirectory = app_settings::DataDirectory();
    m_namesStore.Load(m_names, m_dataDirectory);
}

bool COndarisApp::SaveNames()
{
    if (m_namesSaved)
        return true;
    m_namesSaved = true;
    return !app_settings::IsOn(app_settings::kSauvList) ||
           m_namesStore.Save(m_names, m_dataDirectory);
}

bool COndarisApp::InitInstance(const CommandLine &line, bool showWindow)
{
    // Built in rather than looked up in the icon theme, whose whole index would be read at start.
    QApplication::setWindowIcon(ProgramIcon());
    InstallDeferredIconStyle();
    app_settings::ClearStaleLock();
    m_recent = std::make_unique<RecentFiles>();

    LoadNames();

    m_frame = std::make_unique<CMainFrame>(*m_recent);
    m_studies =
        std::make_unique<StudyManager>(*m_frame->MdiArea(), *m_recent, [](CDocument &document) {
            return CreateViewFor(&document);
        });
    for (const StudyType &type : StudyTypes()) {
        m_studies->AddTemplate(
            std::make_unique<CDocTemplate>(type.resourceId, type.description,
                                           [this, make = type.make]() { return make(m_names); }));
    }
    m_studyCommands = std::make_unique<StudyCommands>(*m_frame, *m_studies);
    m_frame->SetCloseCheck([this]() { return m_studies->CloseAll(); });
    ConnectAppCommands();
    connect(m_frame.get(), &CMainFrame::filesDropped, this, &COndarisApp::OpenFiles);
    // A logout may end the program without a signal once the session manager has asked it to
    // save: the work is kept then, and the program goes on if the logout is cancelled.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &COndarisApp::KeepWork);

    // A study that cannot be opened ends the start, unless another one named with it opened.
    qsizetype opened = 0;
    for (const QString &study : line.studies)
        opened += m_studies->OpenFile(study) ? 1 : 0;
    if (!line.studies.isEmpty() && opened == 0)
        return false;

    if (showWindow) {
        m_frame->show();
        CSplash::RunIfDue(m_frame.get());
        OfferRecovery();
    }
    return true;
}

int COndarisApp::PrintStudy(const QString &path, PrinterHandle &printer, QTextStream &err)
{
    LoadNames();
    const LoadedStudy study = LoadStudy(path, m_names);
    if (!study.document) {
        err << study.error << '\n';
        return 1;
    }
    const std::unique_ptr<ChartView> view(CreateViewFor(study.document.get()));
    printer.SetDocName(study.document->GetTitle());
    if (!view || !view->PrintPage(printer.Device())) {
        err << QStringLiteral("L'impression sur « %1 » a échoué.\n").arg(printer.Name());
        return 1;
    }
    return 0;
}

void COndarisApp::OfferRecovery()
{
    if (!recovery::Pending())
        return;
    // Held until answered: a program starting meanwhile does not offer the same copies.
    recovery::Orphans orphans;
    SaySetAside(orphans.SetAsideNow());
    const QList<recovery::Copy> copies = orphans.Copies();
    if (copies.isEmpty())
        return;
    QString text;
    if (copies.size() == 1) {
        text = QStringLiteral("Ondaris a été arrêté sans que l'étude « %1 » soit enregistrée. "
                              "Une copie de secours en a été gardée.\n\n"
                              "Voulez-vous la récupérer ?")
                   .arg(copies.first().title);
    } else {
        QStringList titles;
        for (const recovery::Copy &copy : copies)
            titles << QStringLiteral("« %1 »").arg(copy.title);
        text = QStringLiteral("Ondaris a été arrêté sans que ces études soient enregistrées :\n"
                              "%1\nUne copie de secours de chacune a été gardée.\n\n"
                              "Voulez-vous les récupérer ?")
                   .arg(titles.join(u'\n'));
    }
    const QMessageBox::StandardButton answer =
        messages::Choose(m_frame.get(), QMessageBox::Question, text,
                         {{QMessageBox::Yes, QStringLiteral("Récupérer")},
                          {QMessageBox::No, QStringLiteral("Ignorer")}},
                         QMessageBox::Yes);
    if (answer == QMessageBox::No) {
        orphans.Forget(copies);
        return;
    }
    // Escape, the close box or a signal: the copies wait for the next start.
    if (answer != QMessageBox::Yes)
        return;
    for (const recovery::Copy &copy : copies) {
        if (m_studies->RestoreCopy(copy)) {
            orphans.Forget({copy});
            continue;
        }
        messages::Show(m_frame.get(), QMessageBox::Warning,
                       QStringLiteral("La copie de secours de l'étude « %1 » n'a pas été ouverte. "
                                      "Elle est gardée dans « %2 » et vous sera proposée de "
                                      "nouveau au prochain démarrage.")
                           .arg(copy.title, QDir::toNativeSeparators(copy.file)));
    }
}

void COndarisApp::SaySetAside(const QList<recovery::SetAside> &copies)
{
    if (copies.isEmpty())
        return;
    QStringList lines;
    for (const recovery::SetAside &copy : copies) {
        lines << (copy.file.isEmpty()
                      ? QStringLiteral("« %1 », qui n'a pu être déplacée et a été supprimée")
                            .arg(copy.title)
                      : QStringLiteral("« %1 », mise de côté dans « %2 »")
                            .arg(copy.title, QDir::toNativeSeparators(copy.file)));
    }
    const QString text =
        copies.size() == 1
            ? QStringLiteral("Cette copie de secours est illisible et ne vous sera plus "
                             "proposée :\n%1")
            : QStringLiteral("Ces copies de secours sont illisibles et ne vous seront plus "
                             "proposées :\n%1");
    messages::Show(m_frame.get(), QMessageBox::Warning, text.arg(lines.join(u'\n')));
}

bool COndarisApp::CloseWithoutQuestions()
{
    if (!m_frame || !m_frame->isVisible())
        return true;
    if (!m_studies->CloseAllKeepingCopies()) {
        const QString text =
            QStringLiteral("Les copies de secours des études modifiées n'ont pu être écrites dans "
                           "« %1 ». Ondaris reste ouvert : enregistrez vos études.")
                .arg(QDir::toNativeSeparators(recovery::Folder()));
        // Nobody may be there to read a box (a logout).
        std::fputs(QStringLiteral("Ondaris : %1\n").arg(text).toLocal8Bit().constData(), stderr);
        // Shown once the event loop runs again: every loop started now returns at once.
        QTimer::singleShot(0, m_frame.get(), [this, text]() {
            messages::Show(m_frame.get(), QMessageBox::Warning, text);
        });
        return false;
    }
    m_frame->close();
    return true;
}

void COndarisApp::KeepWork()
{
    const messages::Windowless nobodyToReadABox;
    if (m_studies && !m_studies->KeepCopiesNow()) {
        std::fputs(QStringLiteral("Ondaris : les copies de secours des études modifiées n'ont pu "
                                  "être écrites dans « %1 ».\n")
                       .arg(QDir::toNativeSeparators(recovery::Folder()))
                       .toLocal8Bit()
                       .constData(),
                   stderr);
    }
    // Written again at the end: the list merges what changed since.
    if (app_settings::IsOn(app_settings::kSauvList))
        m_namesStore.Save(m_names, m_dataDirectory);
}

void COndarisApp::ConnectAppCommands()
{
    const CommandSet &commands = m_frame->Commands();
    const auto on = [&](int id, auto handler) {
        connect(commands.Action(id), &QAction::triggered, this, handler);
    };
    on(cmd::FileNew, &COndarisApp::OnFileNew);
    on(cmd::FileOpen, &COndarisApp::OnFileOpen);
    on(cmd::PrintSetup, &COndarisApp::OnPrintSetup);
    on(cmd::Calendar, &COndarisApp::OnCalendar);
    on(cmd::NamesManagement, &COndarisApp::OnNamesManagement);
    on(cmd::About, &COndarisApp::OnAppAbout);
    on(cmd::WizardBiorythme, [this]() { OnNewStudy(QStringLiteral("Biorythme")); });
    on(cmd::WizardCompatibilite, [this]() { OnNewStudy(QStringLiteral("Compatibilité")); });
    on(cmd::WizardAffinite, [this]() { OnNewStudy(QStringLiteral("Affinité")); });
    on(cmd::WizardGroupe, [this]() { OnNewStudy(QStringLiteral("Groupe")); });
    connect(&m_frame->Menus(), &MainMenus::recentFileChosen, this, &COndarisApp::OpenRecentFile);
}

void COndarisApp::OpenFiles(const QStringList &paths)
{
    for (const QString &path : paths)
        m_studies->OpenFile(path);
}

void COndarisApp::TakeHandOvers(InstanceLink &link)
{
    link.TakeWhenCalm(m_frame.get());
    link.OpenWith([this](const QStringList &files) {
        return OpenHandedOver(*m_studies, m_frame.get(), files);
    });
}

void COndarisApp::OpenRecentFile(const QString &path)
{
    if (!m_studies->OpenFile(path))
        m_recent->Remove(path);
}

void COndarisApp::OnFileNew()
{
    QStringList names;
    for (const auto &docTemplate : m_studies->Templates())
        names << docTemplate->GetDocString(CDocTemplate::fileNewName);
    QInputDialog dialog(m_frame.get());
    dialog.setWindowTitle(QStringLiteral("Nouveau"));
    dialog.setLabelText(QStringLiteral("Type de l'étude :"));
    dialog.setComboBoxItems(names);
    dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annuler"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const qsizetype chosen = names.indexOf(dialog.textValue());
    if (chosen >= 0)
        m_studies->NewStudy(*m_studies->Templates().at(size_t(chosen)));
}

void COndarisApp::OnFileOpen()
{
    const QString path =
        QFileDialog::getOpenFileName(m_frame.get(), QStringLiteral("Ouvrir"),
                                     m_studies->DialogFolder(), m_studies->OpenFilter());
    if (!path.isEmpty())
        m_studies->OpenFile(path);
}

void COndarisApp::OnNewStudy(const QString &docName)
{
    if (CDocTemplate *docTemplate = m_studies->FindTemplate(docName))
        m_studies->NewStudy(*docTemplate);
}

void COndarisApp::OnCalendar()
{
    Calendrier dialog(m_frame.get());
    dialog.exec();
}

void COndarisApp::OnNamesManagement()
{
    CGestionNoms dialog(m_frame.get());
    dialog.m_names.count = m_names.count;
    for (int i = 0; i < m_names.count; ++i)
        dialog.m_names.records[size_t(i)] = m_names.records[size_t(i)];
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_names.count = dialog.m_names.count;
    for (int i = 0; i < m_names.count; ++i)
        m_names.records[size_t(i)] = dialog.m_names.records[size_t(i)];
}

void COndarisApp::OnAppAbout()
{
    CAboutDlg dialog(m_frame.get());
    dialog.exec();
}

void COndarisApp::OnPrintSetup()
{
    if (const auto printing = PrintModule())
        printing.function().PageSetup(m_frame.get(),
                                      QStringLiteral("Configuration de l'impression"));
}
