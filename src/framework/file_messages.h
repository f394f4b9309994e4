#pragma once

#include "framework/archive.h"

#include <QString>

// The framework's French messages about study files.
namespace file_messages {

QString UnexpectedFormat(); // "Format de fichier inattendu."
QString OpenFailed();       // "L'ouverture du document a échoué."
QString SaveFailed();       // "L'enregistrement du document a échoué."

// The message for a read that failed with the archive's error.
QString ForReadError(CArchive::Error error);

} // namespace file_messages
