#pragma once

#include <QFileInfo>
#include <QString>
#include <QStringList>

// What a later start says while it waits for the running program, whichever way it reached it.
namespace hand_over_notes {

// « a.bio », « b.aff »
inline QString Named(const QStringList &files)
{
    QStringList names;
    for (const QString &file : files)
        names << QStringLiteral("« %1 »").arg(QFileInfo(file).fileName());
    return names.join(QStringLiteral(", "));
}

// The running program answers, but a dialog keeps the files waiting.
inline QString Busy(const QStringList &files)
{
    const QString busy =
        QStringLiteral("le programme déjà ouvert attend la fermeture d'une boîte de dialogue ; ");
    if (files.isEmpty())
        return busy + QStringLiteral("il viendra ensuite au premier plan.");
    return busy + QStringLiteral("il ouvrira ensuite %1.").arg(Named(files));
}

} // namespace hand_over_notes
