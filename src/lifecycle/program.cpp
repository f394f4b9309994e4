#include "lifecycle/program.h"

#include "commandline/command_line.h"
#include "commandline/start_up.h"
#include "framework/message_box.h"
#include "lifecycle/instance_link.h"
#include "lifecycle/lost_display.h"
#include "lifecycle/ondaris_app.h"
#include "lifecycle/polite_end.h"
#include "lifecycle/print_run.h"

#include <QApplication>
#include <cstdio>
#include <optional>

namespace {

// The program's run once the application object exists; returns its exit code.
int Run(const CommandLine &line, PoliteEnd &politeEnd, InstanceLink &instance, COndarisApp &app,
        const std::function<void(COndarisApp &)> &running)
{
    // From the first study opened on: kept before Qt ends the program for a lost display.
    const LostDisplay lostDisplay([&app]() { app.KeepWork(); });
    if (!app.InitInstance(line))
        return 1;
    app.TakeHandOvers(instance);
    instance.Release();
    if (running)
        running(app);
    // A signal during the start (the splash screen, a message) has already left its loop.
    int code = politeEnd.IsRequested() ? 0 : QApplication::exec();
    while (politeEnd.IsRequested()) {
        // Nobody may be there to answer a message now (a names list that cannot be written):
        // leaving the loops again makes every loop that starts from now on return at once.
        QCoreApplication::exit(0);
        if (app.CloseWithoutQuestions())
            break;
        // Changes that no copy could keep: the user, or the next signal, decides.
        politeEnd.Rearm();
        code = QApplication::exec();
    }
    return code;
}

} // namespace

int RunProgram(int argc, char *argv[], const std::function<void(COndarisApp &)> &running)
{
    if (const QString refusal = start_up::UnreadableArgument(argc, argv); !refusal.isEmpty()) {
        std::fputs((refusal + u'\n').toLocal8Bit().constData(), stderr);
        return CommandLine::kUsageError;
    }
    const CommandLine line = ParseCommandLine(start_up::Arguments(argc, argv));
    if (const std::optional<int> answered = start_up::AnswerWithoutWindows(line))
        return *answered;
    if (line.mode == CommandLine::Mode::Info || line.mode == CommandLine::Mode::Export ||
        line.mode == CommandLine::Mode::BestDays || line.mode == CommandLine::Mode::ImportNames ||
        line.mode == CommandLine::Mode::ExportNames) {
        QGuiApplication toolApp(argc, argv);
        start_up::InstallTranslations(toolApp);
        return start_up::RunTool(line);
    }
    QApplication qtApp(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.velmora.ondaris"));
    start_up::InstallTranslations(qtApp);
    if (line.mode == CommandLine::Mode::Print)
        return RunPrint(line);

    // A logout, `kill` or Ctrl+C leaves every event loop, a dialog's too; the window then closes
    // without a question.
    PoliteEnd politeEnd;
    QObject::connect(&politeEnd, &PoliteEnd::requested, &qtApp,
                     []() { QCoreApplication::exit(0); });

    start_up::StartInHomeIfStartedByBus();
    // Opening by the shell: the program already running opens the studies and comes forward.
    InstanceLink instance;
    // A study that opens nowhere fails this start, as it would alone.
    const HandOverOutcome handed = instance.HandOver(line.studies);
    if (handed.kind != HandOverOutcome::Kind::NotTaken)
        return handed.kind == HandOverOutcome::Kind::Opened ? 0 : 1;
    instance.ListenOnceShown();
    COndarisApp app;
    const int code = Run(line, politeEnd, instance, app, running);
    // Before the application's objects go (the names list written at its end may show a
    // message): files handed over from now on are left to a new start.
    instance.StopListening();
    // After a signal nobody may be there to read a box: the names list's messages go to the
    // terminal, and a list that could not be written to the exit code.
    std::optional<messages::Windowless> toTerminal;
    if (politeEnd.IsRequested())
        toTerminal.emplace();
    return app.SaveNames() ? code : 1;
}
