#include "framework/doc_template.h"

#include "framework/document.h"

#include <utility>

CDocTemplate::CDocTemplate(int resourceId, const QString &description, Factory factory)
    : m_resourceId(resourceId), m_strings(description.split(QLatin1Char('\n'))),
      m_factory(std::move(factory))
{
}

QString CDocTemplate::GetDocString(DocStringIndex index) const
{
    return m_strings.value(index);
}

std::unique_ptr<CDocument> CDocTemplate::CreateEmptyDocument()
{
    std::unique_ptr<CDocument> document = m_factory();
    document->SetDocTemplate(this);
    return document;
}

std::unique_ptr<CDocument> CDocTemplate::CreateNewDocument()
{
    std::unique_ptr<CDocument> document = CreateEmptyDocument();
    // The wizard may already show the title that the study will have.
    document->SetTitle(NextUntitledTitle());
    if (!document->OnNewDocument())
        return nullptr;
    ++m_untitledCount;
    return document;
}

QString CDocTemplate::NextUntitledTitle() const
{
    return GetDocString(docName) + QString::number(m_untitledCount + 1);
}

QString CDocTemplate::TakeUntitledTitle()
{
    const QString title = NextUntitledTitle();
    ++m_untitledCount;
    return title;
}

std::unique_ptr<CDocument> CDocTemplate::OpenDocumentFile(const QString &path,
                                                          QWidget *messageParent)
{
    std::unique_ptr<CDocument> document = CreateEmptyDocument();
    if (!document->OnOpenDocument(path, messageParent))
        return nullptr;
    return document;
}
