#pragma once

#include <QList>
#include <QString>

class CDocument;

// The studies whose changes were not saved when a signal ended the program: each kept as a copy
// in its own file format, with the file it belongs to, in the user's data folder, until the next
// start offers them back.
namespace recovery {

struct Copy
{
    QString file;     // the copy, named with its study type's extension
    QString pathName; // the study's own file; empty for a study never saved
    QString title;    // as the study's window showed it
};

// The folder "recovery" of the program's data location.
QString Folder();
// Whether copies wait to be offered: one look at the folder, the only work of every start.
bool Pending();
// The copies waiting, in the order they were kept.
QList<Copy> Read();
// Keeps a copy of the document beside those already waiting; false when it could not be
// written.
bool Keep(CDocument &document);
// Forgets every copy.
void Discard();

} // namespace recovery
