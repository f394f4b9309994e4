#include "framework/file_messages.h"

namespace file_messages {

QString UnexpectedFormat()
{
    return QStringLiteral("Format de fichier inattendu.");
}

QString OpenFailed()
{
    return QStringLiteral("L'ouverture du document a échoué.");
}

QString SaveFailed()
{
    return QStringLiteral("L'enregistrement du document a échoué.");
}

QString CannotWrite(const QString &path, const QString &reason)
{
    return QStringLiteral("Impossible d'écrire « %1 » : %2").arg(path, reason);
}

QString ForReadError(CArchive::Error error)
{
    switch (error) {
    case CArchive::Error::None:
        return {};
    case CArchive::Error::EndOfFile:
        return UnexpectedFormat();
    case CArchive::Error::BadLength:
    case CArchive::Error::Device:
        break;
    }
    return OpenFailed();
}

} // namespace file_messages
