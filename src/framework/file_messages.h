#pragma once

#include "framework/archive.h"

#include <QString>

// The framework's French messages about study files.
namespace file_messages {

QString UnexpectedFormat(); // "Format de fichier inattendu."
QString OpenFailed();       // "L'ouverture du document a échoué."
QString SaveFailed();       // "L'enregistrement du document a échoué."
// Where a write failed and the system's reason: "Impossible d'écrire « path » : reason".
QString CannotWrite(const QString &path, const QString &reason);

// The message for a read that failed with the archive's error.
QString ForReadError(CArchive::Error error);

} // namespace file_messages
