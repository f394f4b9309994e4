#include "app/command_line.h"
#include "app/ondaris_app.h"
#include "app/start_up.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const CommandLine line = ParseCommandLine(start_up::Arguments(argc, argv));
    if (const std::optional<int> answered = start_up::AnswerWithoutWindows(line))
        return *answered;
    QApplication qtApp(argc, argv);
    start_up::InstallTranslations(qtApp);
    if (line.mode != CommandLine::Mode::Run)
        return start_up::RunTool(line);
    COndarisApp app;
    if (!app.InitInstance(line))
        return 1;
    return qtApp.exec();
}
