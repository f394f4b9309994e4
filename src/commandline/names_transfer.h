#pragma once

#include <QString>

class QTextStream;

// --import-names and --export-names: the names list of the data directory and a file of persons,
// without a window. Exit codes: 0 done, 1 a file that could not be read or written (the names
// list's included), 2 a file of persons refused (its ending or its content).
int RunImportNames(const QString &path, QTextStream &out, QTextStream &err);
int RunExportNames(const QString &path, QTextStream &err);
