#include "framework/document.h"

#include "framework/archive.h"
#include "framework/file_messages.h"
#include "framework/message_box.h"
#include "framework/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

CDocument::CDocument(QObject *parent) : QObject(parent) {}

bool CDocument::OnNewDocument()
{
    return true;
}

QString CDocument::ReadFrom(QIODevice &device)
{
    CArchive ar(&device, CArchive::load);
    Serialize(ar);
    return file_messages::ForReadError(ar.error());
}

QString CDocument::WriteTo(QIODevice &device)
{
    CArchive ar(&device, CArchive::store);
    Serialize(ar);
    return ar.ok() ? QString() : file_messages::SaveFailed();
}

QString CDocument::ReadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file_messages::OpenFailed();
    const QString error = ReadFrom(file);
    if (!error.isEmpty())
        return error;
    SetPathName(path);
    SetModifiedFlag(false);
    return {};
}

QString CDocument::WriteFile(const QString &path)
{
    const std::optional<WriteFailure> failure =
        WriteWholeFile(path, [this](QIODevice &file) { return WriteTo(file).isEmpty(); });
    // The described first line, then where and why, as an export says it.
    if (failure)
        return file_messages::SaveFailed() + u'\n' +
               file_messages::CannotWrite(QDir::toNativeSeparators(path), failure->reason);
    SetPathName(path);
    SetModifiedFlag(false);
    return {};
}

bool CDocument::OnOpenDocument(const QString &path, QWidget *messageParent)
{
    const QString error = ReadFile(path);
    if (error.isEmpty())
        return true;
    messages::Show(messageParent, QMessageBox::Warning, error);
    return false;
}

bool CDocument::OnSaveDocument(const QString &path, QWidget *messageParent)
{
    const QString error = WriteFile(path);
    if (error.isEmpty())
        return true;
    messages::Show(messageParent, QMessageBox::Warning, error);
    return false;
}

void CDocument::SetModifiedFlag(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    Q_EMIT modifiedChanged(modified);
}

void CDocument::SetTitle(const QString &title)
{
    if (m_title == title)
        return;
    m_title = title;
    Q_EMIT titleChanged(title);
}

void CDocument::SetPathName(const QString &path)
{
    m_pathName = path;
    SetTitle(QFileInfo(path).fileName());
}

void CDocument::UpdateAllViews()
{
    Q_EMIT allViewsUpdate();
}
