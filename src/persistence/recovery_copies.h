#pragma once

#include <QList>
#include <QString>
#include <optional>

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
// The copies waiting, in the order they were kept; a copy whose index entry could not be
// written comes last, as a study never saved titled with the copy's own name.
QList<Copy> Read();
// Keeps a copy of the document beside those already waiting, those of another program ending
// at the same moment included; nothing when it could not be written.
std::optional<Copy> Keep(CDocument &document);
// Forgets these copies; the others keep waiting.
void Forget(const QList<Copy> &copies);
// Forgets every copy.
void Discard();

} // namespace recovery
