#include "app/command_line.h"
#include "app/instance_link.h"
#include "app/main_frame.h"
#include "app/ondaris_app.h"
#include "app/polite_end.h"
#include "app/start_up.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const CommandLine line = ParseCommandLine(start_up::Arguments(argc, argv));
    if (const std::optional<int> answered = start_up::AnswerWithoutWindows(line))
        return *answered;
    if (line.mode == CommandLine::Mode::Info || line.mode == CommandLine::Mode::Export) {
        QGuiApplication toolApp(argc, argv);
        start_up::InstallTranslations(toolApp);
        return start_up::RunTool(line);
    }
    QApplication qtApp(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.velmora.ondaris"));
    start_up::InstallTranslations(qtApp);
    if (line.mode == CommandLine::Mode::Print)
        return start_up::RunPrint(line);

    // A logout, `kill` or Ctrl+C leaves every event loop, a dialog's too; the window then closes
    // without a question.
    PoliteEnd politeEnd;
    QObject::connect(&politeEnd, &PoliteEnd::requested, &qtApp,
                     []() { QCoreApplication::exit(0); });

    // Opening by the shell: the program already running opens the studies and comes forward.
    InstanceLink instance;
    if (instance.HandOver(line.studies))
        return 0;
    instance.ListenOnceShown();
    COndarisApp app;
    if (!app.InitInstance(line))
        return 1;
    QObject::connect(&instance, &InstanceLink::filesReceived, &app,
                     [&app](const QStringList &files) {
                         app.OpenFiles(files);
                         InstanceLink::BringToFront(app.MainFrame());
                     });
    instance.Release();
    // A signal during the start (the splash screen, a message) has already left its loop.
    const int code = politeEnd.IsRequested() ? 0 : qtApp.exec();
    if (politeEnd.IsRequested()) {
        // Nobody may be there to answer a message now (a names list that cannot be written):
        // leaving the loops again makes every loop that starts from now on return at once.
        QCoreApplication::exit(0);
        app.CloseWithoutQuestions();
    }
    return code;
}
