#include "persistence/recovery_session.h"

#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/whole_file.h"
#include "persistence/recovery_copies.h"
#include "persistence/recovery_index.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <algorithm>

namespace recovery {

namespace {

constexpr int kMostFolders = 1000;

} // namespace

Session::Session() = default;

Session::~Session()
{
    if (m_entries.isEmpty() && !m_folder.isEmpty())
        QDir(m_folder).removeRecursively();
    m_lock.reset();
    QDir().rmdir(Folder());
}

bool Session::Open()
{
    if (m_lock)
        return QDir().mkpath(m_folder);
    const QDir root(Folder());
    if (!root.mkpath(QStringLiteral(".")))
        return false;
    const QString pid = QString::number(QCoreApplication::applicationPid());
    for (int n = 1; n < kMostFolders; ++n) {
        // A name that no folder and no lock take: never the folder of a program gone, whose
        // copies wait for a start to offer them.
        const QString name = pid + u'-' + QString::number(n);
        const QString lockName = root.filePath(name + QStringLiteral(".lock"));
        if (QFileInfo::exists(root.filePath(name)) || QFileInfo::exists(lockName))
            continue;
        auto lock = std::make_unique<QLockFile>(lockName);
        // Held as long as the program runs, however long: never taken for stale while it does.
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0) || !root.mkdir(name))
            continue;
        m_lock = std::move(lock);
        m_folder = root.filePath(name);
        return true;
    }
    return false;
}

bool Session::Keep(CDocument &document)
{
    if (!Open())
        return false;
    auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                              [&](const Entry &e) { return e.document == &document; });
    QString file;
    if (entry != m_entries.end()) {
        file = entry->file;
    } else {
        const CDocTemplate *docTemplate = document.GetDocTemplate();
        const QString extension =
            docTemplate ? docTemplate->GetDocString(CDocTemplate::filterExt) : QString();
        file = QDir(m_folder).filePath(QString::number(m_next++) + extension);
    }
    if (WriteWholeFile(file,
                       [&document](QIODevice &out) { return document.WriteTo(out).isEmpty(); }))
        return false;
    if (entry == m_entries.end()) {
        m_entries << Entry{&document, file, document.GetPathName(), document.GetTitle()};
    } else {
        entry->pathName = document.GetPathName();
        entry->title = document.GetTitle();
    }
    // Without its entry the copy is still found by its name, and offered all the same.
    WriteIndex();
    return true;
}

void Session::Drop(const CDocument &document)
{
    const auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&](const Entry &e) { return e.document == &document; });
    if (entry == m_entries.end())
        return;
    QFile::remove(entry->file);
    m_entries.erase(entry);
    if (m_entries.isEmpty())
        QDir(m_folder).removeRecursively();
    else
        WriteIndex();
}

QString Session::CopyOf(const CDocument &document) const
{
    for (const Entry &entry : m_entries) {
        if (entry.document == &document)
            return entry.file;
    }
    return {};
}

void Session::WriteIndex() const
{
    QList<Copy> copies;
    for (const Entry &entry : m_entries)
        copies << Copy{entry.file, entry.pathName, entry.title, {}};
    index::Write(QDir(m_folder), copies);
}

} // namespace recovery
