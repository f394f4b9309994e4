// Start-up to an idle main window, against the baseline program (an empty QMainWindow), the
// two run alternately in fresh processes: wall time and peak resident memory, medians.
//
//   startup_bench [runs]                 measures on offscreen, and on the X display if any
//   startup_bench --child [study]        one start of Ondaris, as main() does it, then leaves
#include "app/command_line.h"
#include "app/main_frame.h"
#include "app/ondaris_app.h"
#include "people/names_list.h"
#include "studies/biorythme_doc.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

int RunChild(int argc, char *argv[])
{
    QApplication qtApp(argc, argv);
    QStringList arguments{QStringLiteral("ondaris")};
    if (argc > 2)
        arguments << QString::fromLocal8Bit(argv[2]);
    COndarisApp app;
    if (!app.InitInstance(ParseCommandLine(arguments)))
        return 1;
    QWindow *window = app.MainFrame()->windowHandle();
    while (!window->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    return 0;
}

struct Sample
{
    double ms = 0;
    long peakKb = 0;
};

// Runs the program to its end; false when it failed.
bool Measure(const std::vector<std::string> &command, Sample &sample)
{
    std::vector<char *> argv;
    for (const std::string &part : command)
        argv.push_back(const_cast<char *>(part.c_str()));
    argv.push_back(nullptr);
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
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

int RunDriver(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 15;
    const std::string self =
        QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath().toStdString();
    const std::string baseline = QFileInfo(QString::fromLocal8Bit(argv[0]))
                                     .absoluteDir()
                                     .filePath(QStringLiteral("startup_baseline"))
                                     .toStdString();
    QTemporaryDir home;
    QCoreApplication::setApplicationName(QStringLiteral("startup_bench"));
    // A home of its own: no splash screen, no names list of the user's.
    const QDir dir(home.path());
    dir.mkpath(QStringLiteral("config/Velmora"));
    QFile settings(dir.filePath(QStringLiteral("config/Velmora/Ondaris.conf")));
    if (!settings.open(QIODevice::WriteOnly) || settings.write("[Settings]\nSplash=0\n") < 0)
        return 1;
    settings.close();
    qputenv("HOME", dir.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    QDir::setCurrent(dir.path());
    const QString study = WriteStudy(dir);
    if (study.isEmpty())
        return 1;

    const std::vector<std::pair<const char *, std::vector<std::string>>> programs{
        {"baseline", {baseline}},
        {"no study", {self, "--child"}},
        {"one study", {self, "--child", study.toStdString()}},
    };

    std::vector<const char *> platforms{"offscreen"};
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        platforms.push_back("xcb");
    for (const char *platform : platforms) {
        qputenv("QT_QPA_PLATFORM", platform);
        std::vector<std::vector<Sample>> samples(programs.size());
        for (int run = 0; run < runs + 1; ++run) {
            for (size_t p = 0; p < programs.size(); ++p) {
                Sample sample;
                if (!Measure(programs[p].second, sample)) {
                    std::fprintf(stderr, "FAIL: %s on %s\n", programs[p].first, platform);
                    return 1;
                }
                if (run > 0) // the first round only warms the caches
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
            std::printf("RESULT : startup %-9s %-10s median %7.1f ms (x%.2f)  peak %6ld kB (x%.2f)"
                        "  [%d runs]\n",
                        platform, programs[p].first, times[p], times[p] / times[0], peaks[p],
                        double(peaks[p]) / double(peaks[0]), runs);
        }
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
