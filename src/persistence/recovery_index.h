#pragma once

#include "persistence/recovery_copies.h"

#include <QDir>
#include <QList>
#include <QString>

// The index of a folder of recovery copies: for each copy, the study's own file and its title,
// which a copy alone does not tell.
namespace recovery::index {

// The copies of the folder: those of the index first, in its order, then those it lacks (a
// copy whose entry could not be written), by number, each titled with its own name.
QList<Copy> Read(const QDir &folder);
// Writes the index of these copies, whole; false when it could not be.
bool Write(const QDir &folder, const QList<Copy> &copies);
// Removes the index.
void Remove(const QDir &folder);

} // namespace recovery::index
