#pragma once

#include <QList>
#include <QString>
#include <memory>

class CDocument;
class QLockFile;

namespace recovery {

// This program's copies of its studies' unsaved changes, in a folder of its own under Folder()
// (recovery_copies.h), beside the lock that tells later starts that the program still runs.
// Nothing is made on disk before the first copy.
class Session
{
public:
    Session();
    // The copies still kept stay for a later start (the work of an end without the user's
    // say); the folder goes when none is left, and the lock is released.
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    // Writes the study's copy, or writes it anew, whole; false when it could not be written,
    // and then an earlier copy of the study stays as it was.
    bool Keep(CDocument &document);
    // Removes the study's copy, if it has one.
    void Drop(const CDocument &document);
    // The copy of the study, or empty.
    QString CopyOf(const CDocument &document) const;

private:
    struct Entry
    {
        const CDocument *document;
        QString file;
        QString pathName;
        QString title;
    };
    bool Open();
    void WriteIndex() const;

    std::unique_ptr<QLockFile> m_lock;
    QString m_folder;
    QList<Entry> m_entries;
    int m_next = 1;
};

} // namespace recovery
