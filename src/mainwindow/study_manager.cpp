#include "mainwindow/study_manager.h"

#include "charts/groupe_view.h"
#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/file_messages.h"
#include "framework/message_box.h"
#include "framework/scroll_view.h"
#include "mainwindow/app_icons.h"
#include "mainwindow/child_frame.h"
#include "persistence/background_copies.h"
#include "persistence/recent_files.h"
#include "persistence/recovery_copies.h"
#include "persistence/recovery_session.h"
#include "studies/affinite_doc.h"
#include "studies/groupe_doc.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMdiArea>
#include <QTimer>

namespace {

QString CanonicalPath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

// The study type's assistant image stands for the type in the window's corner.
QIcon StudyIcon(int resourceId)
{
    switch (resourceId) {
    case 129:
        return ToolIcon(QStringLiteral("wizard_biorythme"));
    case 130:
        return ToolIcon(QStringLiteral("wizard_compatibilite"));
    case 132:
        return ToolIcon(QStringLiteral("wizard_groupe"));
    default:
        return ToolIcon(QStringLiteral("wizard_affinite"));
    }
}

} // namespace

StudyManager::StudyManager(QMdiArea &area, RecentFiles &recent, ViewFactory views, QObject *parent)
    : QObject(parent), m_area(area), m_recent(recent), m_views(std::move(views)),
      m_session(std::make_unique<recovery::Session>()),
      m_copies(std::make_unique<recovery::BackgroundCopies>(*m_session))
{
    connect(&m_area, &QMdiArea::subWindowActivated, this, &StudyManager::activeChanged);
}

StudyManager::~StudyManager()
{
    // The windows go with the area; the studies must not outlive the views that read them.
    for (CChildFrame *frame : std::as_const(m_frames))
        disconnect(frame, nullptr, this, nullptr);
    qDeleteAll(m_frames);
    qDeleteAll(m_documents);
}

void StudyManager::AddTemplate(std::unique_ptr<CDocTemplate> docTemplate)
{
    m_templates.push_back(std::move(docTemplate));
}

CDocTemplate *StudyManager::FindTemplate(const QString &docName) const
{
    for (const auto &docTemplate : m_templates) {
        if (docTemplate->GetDocString(CDocTemplate::docName) == docName)
            return docTemplate.get();
    }
    return nullptr;
}

CDocTemplate *StudyManager::TemplateOfFile(const QString &path) const
{
    for (const auto &docTemplate : m_templates) {
        const QString extension = docTemplate->GetDocString(CDocTemplate::filterExt);
        if (!extension.isEmpty() && path.endsWith(extension, Qt::CaseInsensitive))
            return docTemplate.get();
    }
    return nullptr;
}

QString StudyManager::OpenFilter() const
{
    QStringList filters;
    for (const auto &docTemplate : m_templates)
        filters << docTemplate->GetDocString(CDocTemplate::filterName);
    filters << QStringLiteral("Tous les fichiers (*)");
    return filters.join(QStringLiteral(";;"));
}

bool StudyManager::NewStudy(CDocTemplate &docTemplate)
{
    std::unique_ptr<CDocument> document = docTemplate.CreateNewDocument();
    if (!document)
        return false;
    AdoptDocument(std::move(document));
    return true;
}

CDocument *StudyManager::OpenDocumentOf(const QString &path) const
{
    const QString canonical = CanonicalPath(path);
    for (CDocument *open : m_documents) {
        if (!open->GetPathName().isEmpty() && CanonicalPath(open->GetPathName()) == canonical)
            return open;
    }
    return nullptr;
}

void StudyManager::BringForward(CDocument &document)
{
    if (const QList<CChildFrame *> frames = FramesOf(document); !frames.isEmpty())
        m_area.setActiveSubWindow(frames.first());
}

CDocument *StudyManager::OpenFile(const QString &path)
{
    QString error;
    CDocument *opened = OpenFileQuietly(path, error);
    if (!opened)
        messages::Show(MessageParent(), QMessageBox::Warning, error);
    return opened;
}

CDocument *StudyManager::OpenFileQuietly(const QString &path, QString &error)
{
    if (CDocument *open = OpenDocumentOf(path)) {
        BringForward(*open);
        return open;
    }
    const QString canonical = CanonicalPath(path);
    CDocTemplate *docTemplate = TemplateOfFile(path);
    if (!docTemplate) {
        error = file_messages::OpenFailed();
        return nullptr;
    }
    std::unique_ptr<CDocument> document = docTemplate->CreateEmptyDocument();
    error = document->ReadFile(canonical);
    if (!error.isEmpty())
        return nullptr;
    m_recent.Add(canonical);
    m_lastFolder = QFileInfo(canonical).absolutePath();
    CDocument *opened = document.get();
    AdoptDocument(std::move(document));
    return opened;
}

bool StudyManager::Save(CDocument &document)
{
    if (document.GetPathName().isEmpty())
        return SaveAs(document);
    if (!document.OnSaveDocument(document.GetPathName(), MessageParent()))
        return false;
    m_recent.Add(document.GetPathName());
    return true;
}

bool StudyManager::SaveAs(CDocument &document)
{
    const CDocTemplate *docTemplate = document.GetDocTemplate();
    const QString extension =
        docTemplate ? docTemplate->GetDocString(CDocTemplate::filterExt) : QString();
    const QString filter =
        docTemplate ? docTemplate->GetDocString(CDocTemplate::filterName) : QString();
    QString proposed = document.GetPathName();
    if (proposed.isEmpty())
        proposed = QDir(DialogFolder()).filePath(document.GetTitle() + extension);
    QString path = QFileDialog::getSaveFileName(MessageParent(), QStringLiteral("Enregistrer sous"),
                                                proposed, filter);
    if (path.isEmpty())
        return false;
    // The study reopens by its extension, so a name typed without it gets it.
    if (!extension.isEmpty() && !path.endsWith(extension, Qt::CaseInsensitive))
        path += extension;
    path = QFileInfo(path).absoluteFilePath();
    if (!document.OnSaveDocument(path, MessageParent()))
        return false;
    m_recent.Add(path);
    m_lastFolder = QFileInfo(path).absolutePath();
    return true;
}

bool StudyManager::SaveModified(CDocument &document)
{
    if (!document.IsModified())
        return true;
    const QMessageBox::StandardButton answer = messages::Show(
        MessageParent(), QMessageBox::Warning,
        QStringLiteral("Enregistrer les modifications apportées à %1 ?").arg(document.GetTitle()),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    switch (answer) {
    case QMessageBox::Yes:
        return Save(document);
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

bool StudyManager::CloseStudy(CDocument &document)
{
    if (!SaveModified(document))
        return false;
    m_closing << &document;
    for (CChildFrame *frame : FramesOf(document))
        frame->close();
    m_closing.removeAll(&document);
    return true;
}

bool StudyManager::CloseAll()
{
    for (CDocument *document : std::as_const(m_documents)) {
        if (!SaveModified(*document))
            return false;
    }
    return CloseAllFrames();
}

bool StudyManager::CloseAllKeepingCopies()
{
    // Copies that could be written stay beside the earlier ones of the studies left open: a
    // kill from now on still finds them.
    if (!KeepCopiesNow())
        return false;
    // Their changes are safe in the copies, which stay for the next start: nothing is lost when
    // they close.
    for (CDocument *document : std::as_const(m_documents)) {
        m_copies->Unwatch(*document, true);
        document->SetModifiedFlag(false);
    }
    CloseAllFrames();
    return true;
}

bool StudyManager::KeepCopiesNow()
{
    return m_copies->KeepNow(m_documents);
}

bool StudyManager::RestoreCopy(const recovery::Copy &copy)
{
    CDocument *open = copy.pathName.isEmpty() ? nullptr : OpenDocumentOf(copy.pathName);
    if (open && open->IsModified()) {
        // Its own changes are not to be overwritten either: the copy waits.
        BringForward(*open);
        return false;
    }
    CDocTemplate *docTemplate = TemplateOfFile(copy.file);
    std::unique_ptr<CDocument> document =
        docTemplate ? docTemplate->OpenDocumentFile(copy.file, MessageParent()) : nullptr;
    if (!document)
        return false;
    document->SetPathName(copy.pathName);
    if (copy.pathName.isEmpty())
        document->SetTitle(docTemplate->TakeUntitledTitle());
    document->SetModifiedFlag(true);
    // The same file opened from the command line, unchanged: the copy, newer, takes its place,
    // so that the study is not open twice.
    if (open)
        CloseStudy(*open);
    CDocument *restored = document.get();
    AdoptDocument(std::move(document));
    // This program's own copy, before the one it came from is forgotten.
    m_copies->KeepNow({restored});
    return true;
}

bool StudyManager::CloseAllFrames()
{
    for (const CDocument *document : std::as_const(m_documents))
        m_closing << document;
    bool closed = true;
    for (CChildFrame *frame : QList<CChildFrame *>(m_frames))
        closed = frame->close() && closed;
    m_closing.clear();
    return closed;
}

CChildFrame *StudyManager::NewWindow(CDocument &document)
{
    return NewWindow(document, nullptr);
}

CChildFrame *StudyManager::NewWindow(CDocument &document, CScrollView *view)
{
    CChildFrame *frame = AddFrame(document, view);
    frame->show();
    m_area.setActiveSubWindow(frame);
    return frame;
}

void StudyManager::Activate(CChildFrame &frame)
{
    m_area.setActiveSubWindow(&frame);
}

CChildFrame *StudyManager::ActiveFrame() const
{
    return qobject_cast<CChildFrame *>(m_area.currentSubWindow());
}

CDocument *StudyManager::ActiveDocument() const
{
    const CChildFrame *frame = ActiveFrame();
    return frame ? &frame->Document() : nullptr;
}

QList<CChildFrame *> StudyManager::FramesOf(const CDocument &document) const
{
    QList<CChildFrame *> frames;
    for (CChildFrame *frame : m_frames) {
        if (&frame->Document() == &document)
            frames << frame;
    }
    return frames;
}

bool StudyManager::CanCloseFrame(CChildFrame &frame)
{
    CDocument &document = frame.Document();
    if (m_closing.contains(&document) || FramesOf(document).size() > 1)
        return true;
    return SaveModified(document);
}

QString StudyManager::DialogFolder() const
{
    if (const CDocument *document = ActiveDocument();
        document && !document->GetPathName().isEmpty())
        return QFileInfo(document->GetPathName()).absolutePath();
    return m_lastFolder.isEmpty() ? QDir::currentPath() : m_lastFolder;
}

void StudyManager::AdoptDocument(std::unique_ptr<CDocument> document)
{
    CDocument *adopted = document.release();
    adopted->setParent(this);
    m_documents << adopted;
    m_copies->Watch(*adopted);
    connect(adopted, &CDocument::titleChanged, this, [this, adopted]() {
        RetitleFrames(*adopted);
        Q_EMIT activeChanged();
    });
    CChildFrame *frame = AddFrame(*adopted);
    frame->show();
    m_area.setActiveSubWindow(frame);
}

CChildFrame *StudyManager::AddFrame(CDocument &document, CScrollView *view)
{
    if (!view)
        view = m_views(document);
    auto *frame = new CChildFrame(document, view);
    frame->SetCloseCheck([this](CChildFrame &closing) { return CanCloseFrame(closing); });
    m_area.addSubWindow(frame);
    m_frames << frame;
    connect(frame, &QObject::destroyed, this, [this, frame]() { FrameGone(frame); });
    connect(frame, &QMdiSubWindow::windowStateChanged, this, &StudyManager::activeChanged);
    RetitleFrames(document);
    if (const CDocTemplate *docTemplate = document.GetDocTemplate())
        frame->setWindowIcon(StudyIcon(docTemplate->GetResourceId()));
    if (view)
        view->OnInitialUpdate();
    if (auto *group = qobject_cast<CGroupeView *>(view))
        connect(group, &CGroupeView::pairChosen, this, [this, &document](int member1, int member2) {
            OpenGroupPair(*static_cast<CGroupeDoc *>(&document), member1, member2);
        });
    if (m_area.isVisible()) {
        frame->PlaceIn(m_area);
    } else {
        // A study named on the command line opens before the main window has its size.
        QTimer::singleShot(0, frame, [this, frame]() { frame->PlaceIn(m_area); });
    }
    return frame;
}

void StudyManager::OpenGroupPair(const CGroupeDoc &group, int member1, int member2)
{
    CDocTemplate *docTemplate = FindTemplate(QStringLiteral("Affinité"));
    if (!docTemplate)
        return;
    std::unique_ptr<CDocument> document = docTemplate->CreateEmptyDocument();
    auto *affinite = static_cast<COndarisDoc3 *>(document.get());
    const GroupMember &first = group.members.at(member1);
    const GroupMember &second = group.members.at(member2);
    affinite->SetPersons(PersonRecord{first.name, first.birthDate},
                         PersonRecord{second.name, second.birthDate});
    // A new study, as if made by its wizard: untitled, and to be saved.
    affinite->SetTitle(docTemplate->TakeUntitledTitle());
    affinite->SetModifiedFlag(true);
    AdoptDocument(std::move(document));
}

void StudyManager::FrameGone(CChildFrame *frame)
{
    m_frames.removeAll(frame);
    for (CDocument *document : QList<CDocument *>(m_documents)) {
        if (!FramesOf(*document).isEmpty()) {
            RetitleFrames(*document);
            continue;
        }
        m_documents.removeAll(document);
        m_closing.removeAll(document);
        m_copies->Unwatch(*document, false);
        document->deleteLater();
    }
    Q_EMIT activeChanged();
}

void StudyManager::RetitleFrames(const CDocument &document)
{
    const QList<CChildFrame *> frames = FramesOf(document);
    for (qsizetype i = 0; i < frames.size(); ++i) {
        QString title = document.GetTitle();
        if (frames.size() > 1)
            title += QStringLiteral(":%1").arg(i + 1);
        frames.at(i)->setWindowTitle(title);
    }
}

QWidget *StudyManager::MessageParent() const
{
    return m_area.window();
}
