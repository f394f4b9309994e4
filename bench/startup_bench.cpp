// Start-up to an idle main window against startup_baseline (an empty main window; beside it the
// same window showing one word, the share of any text), and "ondaris --export page.pdf" against
// export_baseline (a bare program writing a one-page PDF), each program run alternately with its
// baseline in fresh processes: wall time and peak resident memory, medians, and their ratios to the
// baseline; then, for the start-up, the files (libraries, fonts) that the program maps and its
// baseline does not.
//
//   startup_bench [runs]                 measures on offscreen, and on the X display if any
//   startup_bench --child [study]        one start of Ondaris, main()'s own, then leaves
#include "lifecycle/ondaris_app.h"
#include "lifecycle/program.h"
#include "mainwindow/main_frame.h"
#include "mapped_files.h"
#include "people/names_list.h"
#include "studies/biorythme_doc.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

// One start of Ondaris through the program's own start-up, left once its window is first drawn.
int RunChild(int argc, char *argv[])
{
    // The program's command line: its name, and the study if one is given.
    std::vector<char *> arguments{argv[0]};
    if (argc > 2)
        arguments.push_back(argv[2]);
    int count = int(arguments.size());
    arguments.push_back(nullptr);
    return RunProgram(count, arguments.data(), [](COndarisApp &app) {
        QWindow *window = app.MainFrame()->windowHandle();
        while (!window->isExposed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
        // Left as soon as the program's own loop runs.
        QTimer::singleShot(0, QCoreApplication::instance(), []() {
            PrintMappedFilesIfAsked();
            QCoreApplication::exit(0);
        });
    });
}

struct Sample
{
    double ms = 0;
    long peakKb = 0;
};

// Runs the program to its end, its output to `output`; false when it failed.
bool Measure(const std::vector<std::string> &command, Sample &sample,
             const char *output = "/dev/null")
{
    std::vector<char *> argv;
    for (const std::string &part : command)
        argv.push_back(const_cast<char *>(part.c_str()));
    argv.push_back(nullptr);
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    // The programs' own messages (Qt's warnings on a platform) would bury the results.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, output, O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return false;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return false;
    clock_gettime(CLOCK_MONOTONIC, &end);
    sample.ms = double(end.tv_sec - start.tv_sec) * 1e3 + double(end.tv_nsec - start.tv_nsec) / 1e6;
    sample.peakKb = usage.ru_maxrss;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

template <class T> T Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QString WriteStudy(const QDir &dir)
{
    NamesList scratch;
    COndarisDoc study(scratch);
    study.name = QStringLiteral("Claire Fontaine");
    study.birthDate = COleDateTime(1985, 7, 14);
    study.startDate = COleDateTime(2027, 1, 4);
    const QString path = dir.filePath(QStringLiteral("claire.bio"));
    return study.WriteFile(path).isEmpty() ? path : QString();
}

struct Program
{
    const char *name;
    std::vector<std::string> command;
};

// Runs each program of the group in turn, `runs` rounds after one that only warms the caches,
// and prints the medians beside the group's first program, the baseline. False on a failure.
bool RunGroup(const char *group, const char *platform, const std::vector<Program> &programs,
              int runs)
{
    std::vector<std::vector<Sample>> samples(programs.size());
    for (int run = 0; run < runs + 1; ++run) {
        for (size_t p = 0; p < programs.size(); ++p) {
            Sample sample;
            if (!Measure(programs[p].command, sample)) {
                std::fprintf(stderr, "FAIL: %s %s on %s\n", group, programs[p].name, platform);
                return false;
            }
            if (run > 0)
                samples[p].push_back(sample);
        }
    }
    std::vector<double> times;
    std::vector<long> peaks;
    for (const auto &series : samples) {
        std::vector<double> ms;
        std::vector<long> kb;
        for (const Sample &s : series) {
            ms.push_back(s.ms);
            kb.push_back(s.peakKb);
        }
        times.push_back(Median(ms));
        peaks.push_back(Median(kb));
    }
    for (size_t p = 0; p < programs.size(); ++p) {
        std::printf("RESULT : %-7s %-9s %-10s median %7.1f ms (x%.2f)  peak %6ld kB (x%.2f)"
                    "  [%d runs]\n",
                    group, platform, programs[p].name, times[p], times[p] / times[0], peaks[p],
                    double(peaks[p]) / double(peaks[0]), runs);
    }
    std::fflush(stdout);
    return true;
}

// Names, one line a program, the files that it maps at start and the group's baseline does not:
// a library or font that a change brings into every start shows up in review. False on a failure.
bool PrintMappedBeyondBaseline(const char *group, const char *platform,
                               const std::vector<Program> &programs, const QDir &scratch)
{
    const std::string output = scratch.filePath(QStringLiteral("mapped.txt")).toStdString();
    qputenv(kMappedFilesVariable, "1");
    std::vector<QSet<QString>> mapped;
    for (const Program &program : programs) {
        Sample sample;
        QFile list(QString::fromStdString(output));
        if (!Measure(program.command, sample, output.c_str()) || !list.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "FAIL: %s %s on %s\n", group, program.name, platform);
            qunsetenv(kMappedFilesVariable);
            return false;
        }
        const QStringList names = QString::fromLocal8Bit(list.readAll()).split(u'\n');
        mapped.emplace_back(names.begin(), names.end());
    }
    qunsetenv(kMappedFilesVariable);
    for (size_t p = 1; p < programs.size(); ++p) {
        QStringList beyond = (mapped[p] - mapped[0]).values();
        beyond.removeAll(QString());
        beyond.removeAll(QFileInfo(QString::fromStdString(programs[p].command[0])).fileName());
        beyond.sort();
        std::printf("RESULT : %-7s %-9s %-10s maps beyond the baseline (%lld): %s\n", group,
                    platform, programs[p].name, static_cast<long long>(beyond.size()),
                    beyond.join(QStringLiteral(", ")).toLocal8Bit().constData());
    }
    std::fflush(stdout);
    return true;
}

int RunDriver(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 15;
    const QFileInfo self(QString::fromLocal8Bit(argv[0]));
    const QDir benchDir = self.absoluteDir();
    const auto sibling = [&](const QString &relative) {
        return QDir::cleanPath(benchDir.filePath(relative)).toStdString();
    };
    QTemporaryDir home;
    QCoreApplication::setApplicationName(QStringLiteral("startup_bench"));
    // A home of its own: no splash screen, no names list of the user's.
    const QDir dir(home.path());
    dir.mkpath(QStringLiteral("config/Velmora"));
    dir.mkpath(QStringLiteral("runtime"));
    QFile settings(dir.filePath(QStringLiteral("config/Velmora/Ondaris.conf")));
    if (!settings.open(QIODevice::WriteOnly) || settings.write("[Settings]\nSplash=0\n") < 0)
        return 1;
    settings.close();
    QFile::setPermissions(dir.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", dir.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", dir.filePath(QStringLiteral("runtime")).toLocal8Bit());
    QDir::setCurrent(dir.path());
    const QString study = WriteStudy(dir);
    if (study.isEmpty())
        return 1;
    const std::string pdf = dir.filePath(QStringLiteral("page.pdf")).toStdString();

    const std::vector<Program> startup{
        {"baseline", {sibling(QStringLiteral("startup_baseline"))}},
        {"text", {sibling(QStringLiteral("startup_baseline")), "--text"}},
        {"no study", {self.absoluteFilePath().toStdString(), "--child"}},
        {"one study", {self.absoluteFilePath().toStdString(), "--child", study.toStdString()}},
    };
    const std::vector<Program> exporting{
        {"baseline", {sibling(QStringLiteral("export_baseline")), pdf}},
        {"export",
         {sibling(QStringLiteral("../bin/ondaris")), "--export", pdf, study.toStdString()}},
    };

    std::vector<const char *> platforms{"offscreen"};
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        platforms.push_back("xcb");
    for (const char *platform : platforms) {
        qputenv("QT_QPA_PLATFORM", platform);
        if (!RunGroup("startup", platform, startup, runs) ||
            !PrintMappedBeyondBaseline("startup", platform, startup, dir) ||
            !RunGroup("export", platform, exporting, runs))
            return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return RunChild(argc, argv);
    QCoreApplication app(argc, argv);
    return RunDriver(argc, argv);
}
