#include "app/recovery_copies.h"

#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace recovery {

namespace {

const QString kIndex = QStringLiteral("index.json");
const QString kCopy = QStringLiteral("copy");
const QString kPathName = QStringLiteral("file");
const QString kTitle = QStringLiteral("title");

// The copies are named "1.bio", "2.aff", ...: the first number that no file takes yet.
QString FreeName(const QDir &folder, const QString &extension)
{
    for (int number = 1;; ++number) {
        const QString name = QString::number(number) + extension;
        if (!folder.exists(name))
            return name;
    }
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

} // namespace

QString Folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery");
}

bool Pending()
{
    return QFileInfo::exists(Folder() + u'/' + kIndex);
}

QList<Copy> Read()
{
    const QDir folder(Folder());
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

bool Keep(CDocument &document)
{
    const QDir folder(Folder());
    if (!folder.mkpath(QStringLiteral(".")))
        return false;
    const CDocTemplate *docTemplate = document.GetDocTemplate();
    const QString extension =
        docTemplate ? docTemplate->GetDocString(CDocTemplate::filterExt) : QString();
    const QString file = folder.filePath(FreeName(folder, extension));
    if (!WriteCopy(document, file))
        return false;
    QList<Copy> copies = Read();
    copies << Copy{file, document.GetPathName(), document.GetTitle()};
    return WriteIndex(folder, copies);
}

void Discard()
{
    QDir(Folder()).removeRecursively();
}

} // namespace recovery
