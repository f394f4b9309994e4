#include "persistence/recovery_index.h"

#include "framework/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace recovery::index {

namespace {

const QString kIndex = QStringLiteral("index.json");
const QString kCopy = QStringLiteral("copy");
const QString kPathName = QStringLiteral("file");
const QString kTitle = QStringLiteral("title");

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

QList<Copy> ReadEntries(const QDir &folder)
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
        copies << Copy{folder.filePath(name),
                       entry.value(kPathName).toString(),
                       entry.value(kTitle).toString(),
                       {}};
    }
    return copies;
}

} // namespace

QList<Copy> Read(const QDir &folder)
{
    QList<Copy> copies = ReadEntries(folder);
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
        copies << Copy{folder.filePath(name), QString(), name, {}};
    return copies;
}

bool Write(const QDir &folder, const QList<Copy> &copies)
{
    QJsonArray entries;
    for (const Copy &copy : copies) {
        entries.append(QJsonObject{{kCopy, QFileInfo(copy.file).fileName()},
                                   {kPathName, copy.pathName},
                                   {kTitle, copy.title}});
    }
    return !WriteWholeFile(folder.filePath(kIndex), QJsonDocument(entries).toJson());
}

void Remove(const QDir &folder)
{
    QFile::remove(folder.filePath(kIndex));
}

} // namespace recovery::index
