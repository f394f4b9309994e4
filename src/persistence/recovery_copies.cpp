#include "persistence/recovery_copies.h"

#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStandardPaths>
#include <algorithm>

namespace recovery {

namespace {

const QString kIndex = QStringLiteral("index.json");
const QString kLock = QStringLiteral("index.lock");
const QString kCopy = QStringLiteral("copy");
const QString kPathName = QStringLiteral("file");
const QString kTitle = QStringLiteral("title");

// Two programs ending at once (a logout with two windows) share the index: each reads and
// writes it under this lock. A program that cannot take it in time still keeps its copy.
constexpr int kLockWaitMs = 3000;
constexpr int kMostCopies = 10000;

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The copies are named "1.bio", "2.aff", ...: a number, then the study type's extension. Read
// at start when copies wait: checked by hand, so that no regular expression is compiled then.
bool IsCopyName(const QString &name)
{
    const qsizetype dot = name.indexOf(u'.');
    if (dot < 1 || dot > 9 || name.at(0) == u'0' || dot + 1 == name.size())
        return false;
    const QStringView number = QStringView(name).left(dot);
    const QStringView extension = QStringView(name).mid(dot + 1);
    return std::all_of(number.begin(), number.end(), IsAsciiDigit) &&
           std::all_of(extension.begin(), extension.end(), [](QChar c) {
               return IsAsciiDigit(c) || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
           });
}

int CopyNumber(const QString &name)
{
    return name.section(u'.', 0, 0).toInt();
}

// The first number that no file takes yet, taken by creating the file: a program ending at the
// same moment cannot take it too.
QString ReserveName(const QDir &folder, const QString &extension)
{
    for (int number = 1; number < kMostCopies; ++number) {
        QFile file(folder.filePath(QString::number(number) + extension));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return file.fileName();
        if (!file.exists())
            return {};
    }
    return {};
}

bool WriteCopy(CDocument &document, const QString &path)
{
    return !WriteWholeFile(
        path, [&document](QIODevice &file) { return document.WriteTo(file).isEmpty(); });
}

bool WriteIndex(const QDir &folder, const QList<Copy> &copies)
{
    QJsonArray entries;
    for (const Copy &copy : copies) {
        entries.append(QJsonObject{{kCopy, QFileInfo(copy.file).fileName()},
                                   {kPathName, copy.pathName},
                                   {kTitle, copy.title}});
    }
    return !WriteWholeFile(folder.filePath(kIndex), QJsonDocument(entries).toJson());
}

QList<Copy> ReadIndex(const QDir &folder)
{
    QFile index(folder.filePath(kIndex));
    QList<Copy> copies;
    if (!index.open(QIODevice::ReadOnly))
        return copies;
    const QJsonArray entries = QJsonDocument::fromJson(index.readAll()).array();
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        const QString name = entry.value(kCopy).toString();
        // Only a file of the folder itself, however the index was edited: "." and ".." are
        // plain names too, but of folders.
        if (name.isEmpty() || QFileInfo(name).fileName() != name ||
            !QFileInfo(folder.filePath(name)).isFile())
            continue;
        copies << Copy{folder.filePath(name), entry.value(kPathName).toString(),
                       entry.value(kTitle).toString()};
    }
    return copies;
}

} // namespace

QString Folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery");
}

bool Pending()
{
    return QFileInfo(Folder()).isDir();
}

QList<Copy> Read()
{
    const QDir folder(Folder());
    QList<Copy> copies = ReadIndex(folder);
    QStringList indexed;
    for (const Copy &copy : std::as_const(copies))
        indexed << QFileInfo(copy.file).fileName();
    QStringList unindexed;
    for (const QString &name : folder.entryList(QDir::Files)) {
        if (IsCopyName(name) && !indexed.contains(name))
            unindexed << name;
    }
    std::sort(unindexed.begin(), unindexed.end(),
              [](const QString &a, const QString &b) { return CopyNumber(a) < CopyNumber(b); });
    for (const QString &name : std::as_const(unindexed))
        copies << Copy{folder.filePath(name), QString(), name};
    return copies;
}

std::optional<Copy> Keep(CDocument &document)
{
    const QDir folder(Folder());
    if (!folder.mkpath(QStringLiteral(".")))
        return std::nullopt;
    const CDocTemplate *docTemplate = document.GetDocTemplate();
    const QString extension =
        docTemplate ? docTemplate->GetDocString(CDocTemplate::filterExt) : QString();
    const QString file = ReserveName(folder, extension);
    if (file.isEmpty())
        return std::nullopt;
    if (!WriteCopy(document, file)) {
        QFile::remove(file);
        return std::nullopt;
    }
    const Copy kept{file, document.GetPathName(), document.GetTitle()};
    // Without its entry the copy is still found by its name, and offered all the same.
    QLockFile lock(folder.filePath(kLock));
    if (lock.tryLock(kLockWaitMs))
        WriteIndex(folder, ReadIndex(folder) << kept);
    return kept;
}

void Forget(const QList<Copy> &copies)
{
    const QDir folder(Folder());
    QList<Copy> left;
    {
        QLockFile lock(folder.filePath(kLock));
        const bool locked = lock.tryLock(kLockWaitMs);
        for (const Copy &copy : Read()) {
            const bool forgotten = std::any_of(copies.begin(), copies.end(),
                                               [&](const Copy &c) { return c.file == copy.file; });
            if (forgotten)
                QFile::remove(copy.file);
            else
                left << copy;
        }
        // The entries of the copies left rebuild an index that could not be written before.
        if (locked && !left.isEmpty())
            WriteIndex(folder, left);
    }
    if (left.isEmpty())
        Discard();
}

void Discard()
{
    QDir(Folder()).removeRecursively();
}

} // namespace recovery
