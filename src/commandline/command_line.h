#pragma once

#include "studies/best_days.h"
#include "studies/study_days.h"

#include <QString>
#include <QStringList>

// What the command line asks for.
struct CommandLine
{
    enum class Mode {
        Run,         // the main window, with the study to open if one is named
        Help,        // --help
        Version,     // --version
        Info,        // --info [--json] STUDY [--days N]
        Export,      // --export OUT STUDY [--days N]
        Print,       // --print STUDY, --print-to PRINTER STUDY
        Error,       // a wrong command line: message says why
        ImportNames, // --import-names FILE
        ExportNames, // --export-names FILE
        BestDays,    // --best-days [--json] STUDY [--from DATE] [--days N] [--cycles LIST]
    };

    Mode mode = Mode::Run;
    QString study;       // the study file named, if any
    QStringList studies; // Run: every study file named, as the desktop may name several
    QString output;      // --export
    QString printer;     // --print-to; empty for the default printer
    QString namesFile;   // --import-names, --export-names
    bool json = false;
    int days = StudyDays::kPageSpan; // --days: the span of the critical days and of the CSV
    QString message;                 // the help, the version or the error, in French
    // --best-days: its span (--from, --days), its counted cycles (--cycles); from stays invalid
    // for today.
    BestDaysQuery bestDays;
    bool year = false; // --export --year: the year of the study in place of its page

    // The exit code of a wrong command line.
    static constexpr int kUsageError = 2;
};

// Reads the arguments, the program's name first. The study file named must exist.
CommandLine ParseCommandLine(const QStringList &arguments);
