#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for.
struct CommandLine
{
    enum class Mode {
        Run,     // the main window, with the study to open if one is named
        Help,    // --help
        Version, // --version
        Info,    // --info [--json] STUDY
        Export,  // --export OUT STUDY
        Print,   // --print STUDY, --print-to PRINTER STUDY
        Error,   // a wrong command line: message says why
    };

    Mode mode = Mode::Run;
    QString study;   // the study file named, if any
    QStringList studies; // Run: every study file named, as the desktop may name several
    QString output;  // --export
    QString printer; // --print-to; empty for the default printer
    bool json = false;
    QString message; // the help, the version or the error, in French

    // The exit code of a wrong command line.
    static constexpr int kUsageError = 2;
};

// Reads the arguments, the program's name first. The study file named must exist.
CommandLine ParseCommandLine(const QStringList &arguments);
