#pragma once

#include <QStringList>
#include <optional>

class QCoreApplication;
struct CommandLine;

// What main does before and around the application object.
namespace start_up {

QStringList Arguments(int argc, char *argv[]);
// The French refusal of the first argument that the system's encoding cannot carry: read, it
// would name another file, and a file written under it would replace that one. Empty when all
// are whole.
QString UnreadableArgument(int argc, char *argv[]);

// Answers the command lines that need no window system (help, version, errors) and the one
// that needs a display when there is none; returns the exit code then. For the tools that
// draw without a window, chooses the offscreen platform when there is no display.
std::optional<int> AnswerWithoutWindows(const CommandLine &line);

// Started by the session bus for the desktop (its entry is DBusActivatable), the window begins
// in the user's home, as a start from the applications menu does, and not in whatever folder
// the bus runs in: the names list is kept in the folder the program starts in.
void StartInHomeIfStartedByBus();

// Qt's own texts (file and print dialogs, standard buttons) in French.
void InstallTranslations(QCoreApplication &app);

// --info, --export: runs the tool and returns its exit code. A page drawn into a file needs no
// widget: the tools run under a QGuiApplication, which starts with less than a QApplication.
int RunTool(const CommandLine &line);

} // namespace start_up
