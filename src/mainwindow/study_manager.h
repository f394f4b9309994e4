#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class CChildFrame;
class CDocTemplate;
class CDocument;
class CGroupeDoc;
class CScrollView;
class QMdiArea;
class RecentFiles;
namespace recovery {
class BackgroundCopies;
struct Copy;
class Session;
} // namespace recovery

// The open studies and their windows: the study types, creating, opening, saving and closing
// studies, asking about unsaved changes, and more windows on one study.
class StudyManager : public QObject
{
    Q_OBJECT
public:
    using ViewFactory = std::function<CScrollView *(CDocument &)>;

    StudyManager(QMdiArea &area, RecentFiles &recent, ViewFactory views, QObject *parent = nullptr);
    ~StudyManager() override;

    // The study types in their order of registration.
    void AddTemplate(std::unique_ptr<CDocTemplate> docTemplate);
    const std::vector<std::unique_ptr<CDocTemplate>> &Templates() const { return m_templates; }
    CDocTemplate *FindTemplate(const QString &docName) const;
    CDocTemplate *TemplateOfFile(const QString &path) const;
    // The open dialog's filters: each type's, then all files.
    QString OpenFilter() const;

    // A new study of the type, through its wizard; false when the wizard was cancelled.
    bool NewStudy(CDocTemplate &docTemplate);
    // Opens the file in a window of its own, or brings forward the study already open from it.
    // nullptr when it cannot be opened; the user has seen why.
    CDocument *OpenFile(const QString &path);
    // OpenFile without a message: nullptr and the French reason in `error` when it cannot be
    // opened, for a caller that must tell someone else before the user.
    CDocument *OpenFileQuietly(const QString &path, QString &error);
    // Saves to the study's file, or asks for one first; false when nothing was saved.
    bool Save(CDocument &document);
    bool SaveAs(CDocument &document);
    // "Enregistrer les modifications apportées à ... ?" for a modified study: true when the
    // study may be closed (saved, or not to be saved).
    bool SaveModified(CDocument &document);
    // Closes all windows of the study after asking; false when the user cancelled.
    bool CloseStudy(CDocument &document);
    // Asks about every modified study, then closes them all; false when the user cancelled.
    bool CloseAll();
    // Closes every study without a question, once a recovery copy of each modified one is
    // kept; false when a copy could not be written: then every study stays open as it was.
    bool CloseAllKeepingCopies();
    // Writes the recovery copy of each modified study now, the studies staying open (the
    // session's save request, a lost display); false when one could not be written.
    bool KeepCopiesNow();
    // Opens a recovery copy as the study it was: modified, and saved to its own file or, for a
    // study never saved, named as a new study of its type. The copy takes the place of its
    // study opened unchanged from the same file. False when it was not opened.
    bool RestoreCopy(const recovery::Copy &copy);
    CChildFrame *NewWindow(CDocument &document);
    // Makes the window the active one.
    void Activate(CChildFrame &frame);
    // Another window of the study on a view of another kind, which the window takes.
    CChildFrame *NewWindow(CDocument &document, CScrollView *view);

    // The window that the commands act on: the active one, or the last active while a dialog
    // or another program has the focus.
    CChildFrame *ActiveFrame() const;
    CDocument *ActiveDocument() const;
    QList<CDocument *> Documents() const { return m_documents; }
    QList<CChildFrame *> FramesOf(const CDocument &document) const;

    // Called by a window that is asked to close.
    bool CanCloseFrame(CChildFrame &frame);

    // The folder that the file dialogs open in.
    QString DialogFolder() const;

Q_SIGNALS:
    // The active window, its study's title or the set of open studies changed.
    void activeChanged();

private:
    bool CloseAllFrames();
    // A window on the view, or on the study type's own view when there is none.
    CChildFrame *AddFrame(CDocument &document, CScrollView *view = nullptr);
    // The study open from that file, however the path names it.
    CDocument *OpenDocumentOf(const QString &path) const;
    void BringForward(CDocument &document);
    void AdoptDocument(std::unique_ptr<CDocument> document);
    void FrameGone(CChildFrame *frame);
    // The pair of a group's grid as a new Affinité study, in a window of its own.
    void OpenGroupPair(const CGroupeDoc &group, int member1, int member2);
    void RetitleFrames(const CDocument &document);
    QWidget *MessageParent() const;

    QMdiArea &m_area;
    RecentFiles &m_recent;
    ViewFactory m_views;
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
    QList<CDocument *> m_documents;
    QList<CChildFrame *> m_frames;
    QList<const CDocument *> m_closing; // studies whose closing the user has agreed to
    QString m_lastFolder;
    // Each changed study's copy, kept a few seconds after its changes and removed with them.
    std::unique_ptr<recovery::Session> m_session;
    std::unique_ptr<recovery::BackgroundCopies> m_copies;
};
