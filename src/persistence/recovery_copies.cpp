#include "persistence/recovery_copies.h"

#include "persistence/recovery_index.h"
#include "studies/study_loader.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace recovery {

namespace {

// A former version kept its copies at the top of the folder, under a lock that a program held
// only while it wrote the index: taken as it did.
const QString kTopLock = QStringLiteral("index.lock");
constexpr int kTopLockWaitMs = 3000;

// A copy reads when its study type's reader takes it whole; its persons go to a list of its
// own, not the application's, until the user takes the copy back.
bool Reads(const QString &file)
{
    return LoadStudy(file).document != nullptr;
}

// "Jean.bio", or "Jean (2).bio" when a copy set aside before took that name: the study's title
// with the copy's extension, which a study never saved lacks.
QString FreeName(const QDir &folder, const Copy &copy)
{
    const QString suffix = u'.' + QFileInfo(copy.file).suffix();
    QString base = copy.title.endsWith(suffix, Qt::CaseInsensitive)
                       ? copy.title.chopped(suffix.size())
                       : copy.title;
    // The title is the user's, and may hold what a file name cannot.
    base.replace(u'/', u'_');
    if (base.isEmpty() || base.startsWith(u'.'))
        base.prepend(QStringLiteral("copie"));
    QString name = base + suffix;
    for (int n = 2; QFileInfo::exists(folder.filePath(name)); ++n)
        name = QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(suffix);
    return folder.filePath(name);
}

QString SameStudy(const Copy &copy)
{
    return copy.pathName.isEmpty() ? QString() : QFileInfo(copy.pathName).absoluteFilePath();
}

} // namespace

struct Orphans::Set
{
    QString folder;
    bool top = false;
    std::unique_ptr<QLockFile> lock;
    QList<Copy> copies;
};

QString Folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery");
}

QString SetAsideFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/copies-illisibles");
}

bool Pending()
{
    return QFileInfo(Folder()).isDir();
}

Orphans::Orphans()
{
    const QDir root(Folder());
    if (!root.exists())
        return;
    auto top = std::make_unique<QLockFile>(root.filePath(kTopLock));
    // A program that cannot take the lock in time reads all the same, as a former one did.
    if (!top->tryLock(kTopLockWaitMs))
        top.reset();
    ReadSet(root.path(), std::move(top));
    // The folders of programs that are gone, oldest first: a program's lock is held by its
    // process alone, whatever its age.
    const QStringList programs =
        root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Time | QDir::Reversed);
    for (const QString &name : programs) {
        auto lock = std::make_unique<QLockFile>(root.filePath(name + QStringLiteral(".lock")));
        lock->setStaleLockTime(0);
        if (lock->tryLock(0))
            ReadSet(root.filePath(name), std::move(lock));
    }

    // The newest copy of each study stands for it; the others go with it.
    for (const auto &set : m_sets) {
        for (const Copy &copy : std::as_const(set->copies)) {
            const QString study = SameStudy(copy);
            const auto same = std::find_if(m_copies.begin(), m_copies.end(), [&](const Copy &c) {
                return !study.isEmpty() && SameStudy(c) == study;
            });
            if (same == m_copies.end()) {
                m_copies << copy;
            } else if (QFileInfo(copy.file).lastModified() >=
                       QFileInfo(same->file).lastModified()) {
                Copy newer = copy;
                newer.older = same->older << same->file;
                *same = newer;
            } else {
                same->older << copy.file;
            }
        }
    }
}

Orphans::~Orphans()
{
    for (const auto &set : m_sets) {
        // A folder left without copies goes, with what a write cut short may have left in it,
        // while its lock still keeps other programs out of it.
        if (!set->copies.isEmpty() || !set->lock)
            continue;
        if (!set->top) {
            QDir(set->folder).removeRecursively();
            continue;
        }
        // What a former version's write cut short left beside its copies; never a lock, nor a
        // running program's folder.
        const QDir top(set->folder);
        for (const QString &name : top.entryList(QDir::Files | QDir::Hidden)) {
            if (!name.endsWith(QStringLiteral(".lock")))
                QFile::remove(top.filePath(name));
        }
    }
    m_sets.clear();
    QDir().rmdir(Folder());
}

void Orphans::ReadSet(const QString &folder, std::unique_ptr<QLockFile> lock)
{
    auto set = std::make_unique<Set>();
    set->folder = folder;
    set->top = folder == Folder();
    set->lock = std::move(lock);
    const QList<Copy> copies = index::Read(QDir(folder));
    for (const Copy &copy : copies) {
        if (Reads(copy.file)) {
            set->copies << copy;
            continue;
        }
        // Offered, it would fail again at every start: out of the way once, and said.
        const QDir aside(SetAsideFolder());
        const QString moved = aside.mkpath(QStringLiteral(".")) ? FreeName(aside, copy) : QString();
        if (moved.isEmpty() || !QFile::rename(copy.file, moved)) {
            QFile::remove(copy.file);
            m_setAside << SetAside{copy.title, QString()};
        } else {
            m_setAside << SetAside{copy.title, moved};
        }
    }
    if (copies.size() != set->copies.size() || set->copies.isEmpty())
        Tidy(*set);
    m_sets.push_back(std::move(set));
}

void Orphans::Forget(const QList<Copy> &copies)
{
    for (const Copy &copy : copies) {
        QFile::remove(copy.file);
        for (const QString &older : copy.older)
            QFile::remove(older);
    }
    for (const auto &set : m_sets) {
        const qsizetype before = set->copies.size();
        set->copies.removeIf([](const Copy &copy) { return !QFileInfo::exists(copy.file); });
        if (set->copies.size() != before)
            Tidy(*set);
    }
    m_copies.removeIf([](const Copy &copy) { return !QFileInfo::exists(copy.file); });
}

void Orphans::Tidy(Set &set)
{
    const QDir folder(set.folder);
    // Only under the folder's lock: a program that could not take it may still be writing.
    if (!set.lock)
        return;
    if (set.copies.isEmpty())
        index::Remove(folder);
    else
        index::Write(folder, set.copies);
}

} // namespace recovery
