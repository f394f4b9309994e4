#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class CDocument;
class QWidget;

// A study type: its description string, its resource id (menu, icon) and the factory of its
// document. The application keeps one per type, in registration order.
class CDocTemplate
{
public:
    // The seven fields of the description string, in their order.
    enum DocStringIndex {
        windowTitle,
        docName, // "Biorythme": the name by which the study assistants find the type
        fileNewName,
        filterName,    // "Biorythmes  (*.bio)", for file dialogs
        filterExt,     // ".bio"
        regFileTypeId, // "Biorythme.Document"
        regFileTypeName
    };
    using Factory = std::function<std::unique_ptr<CDocument>()>;

    // description: the seven fields separated by line breaks, e.g.
    // "\nBiorythme\nBiorythme\nBiorythmes  (*.bio)\n.bio\nBiorythme.Document\nBiorythme.Document".
    CDocTemplate(int resourceId, const QString &description, Factory factory);

    int GetResourceId() const { return m_resourceId; }
    // An empty text for a field that the description string leaves out.
    QString GetDocString(DocStringIndex index) const;

    // A new document, titled with the document name and the next count ("Biorythme1"), filled
    // by its OnNewDocument; nullptr when that was cancelled, and the count does not advance.
    std::unique_ptr<CDocument> CreateNewDocument();
    // The title of the next new study of this type: the document name and its count
    // ("Biorythme2"). Take counts it, for a study that comes back untitled.
    QString NextUntitledTitle() const;
    QString TakeUntitledTitle();
    // A document read from the file; nullptr after the failure was shown in a message box.
    std::unique_ptr<CDocument> OpenDocumentFile(const QString &path, QWidget *messageParent);
    // A document just constructed and tied to this template, for readers that report failures
    // themselves.
    std::unique_ptr<CDocument> CreateEmptyDocument();

private:
    int m_resourceId;
    QStringList m_strings;
    Factory m_factory;
    int m_untitledCount = 0;
};
