#include "lifecycle/print_run.h"

#include "commandline/command_line.h"
#include "framework/message_box.h"
#include "framework/modules.h"
#include "lifecycle/ondaris_app.h"

#include <QTextStream>
#include <memory>

int RunPrint(const CommandLine &line)
{
    QTextStream err(stderr);
    const auto printing = PrintModule();
    if (!printing) {
        err << printing.problem << QStringLiteral(" : l'impression est impossible.\n");
        return 1;
    }
    const std::unique_ptr<PrinterHandle> printer = printing.function().OpenPrinter(line.printer);
    if (!printer) {
        if (line.printer.isEmpty()) {
            err << "Aucune imprimante par défaut n'est configurée.\n";
            return 1;
        }
        err << QStringLiteral("L'imprimante « %1 » n'existe pas.\n").arg(line.printer);
        return CommandLine::kUsageError;
    }
    // Without a window, the names list's messages are written where the run's own are.
    const messages::Windowless toTerminal;
    COndarisApp app;
    const int exitCode = app.PrintStudy(line.study, *printer, err);
    const bool namesSaved = app.SaveNames();
    return exitCode == 0 && !namesSaved ? 1 : exitCode;
}
