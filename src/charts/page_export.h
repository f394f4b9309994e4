#pragma once

#include <QString>

class QTextStream;

// Writes a study's page, exactly as it prints, to outPath: a one-page A4 PDF (vector, text
// selectable) for ".pdf", a 300-dpi A4 image on white for ".png". No window is needed and the
// names list is not touched. Returns the process's exit code: 0 on success with nothing written
// to err, 1 with a French message on err otherwise.
int RunExport(const QString &outPath, const QString &studyPath, QTextStream &err);
