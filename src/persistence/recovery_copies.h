#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QLockFile;

// The studies whose changes were not saved when the program ended without the user's say (a
// signal, a lost display, a power cut): each kept as a copy in its own file format, with the
// file it belongs to, in the user's data folder, until a later start offers them back.
//
// Each running program keeps its copies in a folder of its own under Folder(), beside a lock
// that it holds for its whole run (recovery_session.h). A start offers only the folders whose
// lock nobody holds, the copies of a program that is gone, and takes those locks while it does,
// so that two programs never offer, nor remove, the same copies.
namespace recovery {

struct Copy
{
    QString file;      // the copy, named with its study type's extension
    QString pathName;  // the study's own file; empty for a study never saved
    QString title;     // as the study's window showed it
    QStringList older; // older copies of the same study, forgotten with this one
};

// A copy that does not read, moved out of the way once and never offered.
struct SetAside
{
    QString title; // the study's, as its window showed it
    QString file;  // where the copy now lies
};

// The folder "recovery" of the program's data location.
QString Folder();
// Where copies that do not read are moved.
QString SetAsideFolder();
// Whether copies may wait to be offered: one look at the folder, the only work of every start.
bool Pending();

// The copies left by programs that are gone, held for this one while it exists.
class Orphans
{
public:
    // Reads the copies: the newest of each study, in the order they were kept; a copy that does
    // not read is set aside.
    Orphans();
    // What was not forgotten waits for the next start.
    ~Orphans();
    Orphans(const Orphans &) = delete;
    Orphans &operator=(const Orphans &) = delete;

    const QList<Copy> &Copies() const { return m_copies; }
    const QList<SetAside> &SetAsideNow() const { return m_setAside; }
    // Forgets these copies and their older ones, and the folders they leave empty.
    void Forget(const QList<Copy> &copies);

private:
    struct Set;
    void ReadSet(const QString &folder, std::unique_ptr<QLockFile> lock);
    void Tidy(Set &set);

    std::vector<std::unique_ptr<Set>> m_sets;
    QList<Copy> m_copies;
    QList<SetAside> m_setAside;
};

} // namespace recovery
