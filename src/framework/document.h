#pragma once

#include <QObject>
#include <QString>

class CArchive;
class CDocTemplate;
class QIODevice;
class QWidget;

// One open study: its modified flag, its title, its file, and the signal that every view of it
// hears. A document never shows itself; its views and frames belong to the application.
class CDocument : public QObject
{
    Q_OBJECT
public:
    explicit CDocument(QObject *parent = nullptr);

    // Fills a new document, through the creation wizard for a study; false when the user
    // cancelled, and the document is then thrown away.
    virtual bool OnNewDocument();
    // Writes or reads the file's content, as the archive's mode says. A reader reports a
    // refused file through the archive's error and must leave the application untouched then.
    virtual void Serialize(CArchive &ar) = 0;

    // Reading and writing without a message: an empty text on success, else the French message
    // to show. On success the document takes the file's path and name and is no longer modified;
    // on failure it keeps its path, title and modified flag.
    QString ReadFile(const QString &path);
    QString WriteFile(const QString &path);
    // The same from or to any device, for tests, tools and recovery copies; the path and the
    // modified flag are not changed.
    QString ReadFrom(QIODevice &device);
    QString WriteTo(QIODevice &device);

    // ReadFile and WriteFile with the failure shown in a message box owned by messageParent.
    bool OnOpenDocument(const QString &path, QWidget *messageParent);
    bool OnSaveDocument(const QString &path, QWidget *messageParent);

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true);

    // "Biorythme1" for a new study, the file's name once saved or opened.
    QString GetTitle() const { return m_title; }
    void SetTitle(const QString &title);
    QString GetPathName() const { return m_pathName; }
    // Also makes the file's name the title.
    void SetPathName(const QString &path);

    CDocTemplate *GetDocTemplate() const { return m_docTemplate; }
    void SetDocTemplate(CDocTemplate *docTemplate) { m_docTemplate = docTemplate; }

    // Asks every view of the document to redraw.
    void UpdateAllViews();

    // The document's own commands: 32783 edits the identity or the persons, 32786 the start
    // date. A study without a start date says so, so that its menus leave 32786 out.
    virtual void OnEditPersons() = 0;
    virtual bool HasStartDate() const { return false; }
    virtual void OnEditStartDate() {}

Q_SIGNALS:
    void allViewsUpdate();
    void modifiedChanged(bool modified);
    void titleChanged(const QString &title);

private:
    bool m_modified = false;
    QString m_title;
    QString m_pathName;
    CDocTemplate *m_docTemplate = nullptr;
};
