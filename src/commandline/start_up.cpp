#include "commandline/start_up.h"

#include "charts/study_export.h"
#include "commandline/best_days_command.h"
#include "commandline/command_line.h"
#include "commandline/names_transfer.h"
#include "studies/study_info.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTextStream>
#include <QTranslator>
#include <cstdio>

namespace start_up {

namespace {

// A windowless run speaks only through its own messages: Qt's platform notices (an unset
// runtime directory, say) would otherwise turn a successful export into output on stderr.
void KeepOnlySeriousMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs((message + u'\n').toLocal8Bit().constData(), stderr);
}

// X11 and Wayland are reached through a display that the environment names; Qt's platforms
// elsewhere (Windows, macOS, offscreen) need none. Without QT_QPA_PLATFORM, Qt picks one of the
// first two on Linux and the other systems like it.
bool DisplayMissing()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    const bool defaultNeedsDisplay = true;
#else
    const bool defaultNeedsDisplay = false;
#endif
    const bool needsDisplay = platform.isEmpty()
                                  ? defaultNeedsDisplay
                                  : platform.startsWith("xcb") || platform.startsWith("wayland");
    return needsDisplay && qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

QStringList Arguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

QString UnreadableArgument(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        const QString read = QString::fromLocal8Bit(bytes);
        if (read.toLocal8Bit() != bytes)
            return QStringLiteral("Le nom « %1 » n'est pas valide dans le codage du système : "
                                  "renommez le fichier ou choisissez un autre nom.")
                .arg(read);
    }
    return {};
}

std::optional<int> AnswerWithoutWindows(const CommandLine &line)
{
    switch (line.mode) {
    case CommandLine::Mode::Help:
    case CommandLine::Mode::Version:
        std::fputs(line.message.toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Mode::Error:
        std::fputs((line.message + u'\n').toLocal8Bit().constData(), stderr);
        return CommandLine::kUsageError;
    case CommandLine::Mode::Run:
        if (!DisplayMissing())
            return std::nullopt;
        std::fputs("Ondaris a besoin d'un affichage graphique : aucun écran n'est disponible "
                   "(DISPLAY et WAYLAND_DISPLAY sont vides).\n",
                   stderr);
        return 1;
    default:
        if (DisplayMissing())
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(KeepOnlySeriousMessages);
        return std::nullopt;
    }
}

void StartInHomeIfStartedByBus()
{
    // The bus says so to the programs it starts, and only to them.
    if (qEnvironmentVariableIsSet("DBUS_STARTER_BUS_TYPE"))
        QDir::setCurrent(QDir::homePath());
}

void InstallTranslations(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

int RunTool(const CommandLine &line)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    switch (line.mode) {
    case CommandLine::Mode::Info:
        return RunStudyInfo(line.study, line.json, line.days, out, err);
    case CommandLine::Mode::Export:
        if (line.year)
            return RunYearExport(line.output, line.study, err);
        return RunExport(line.output, line.study, line.days, err);
    case CommandLine::Mode::BestDays:
        return RunBestDays(line.study, line.bestDays, line.json, out, err);
    case CommandLine::Mode::ImportNames:
        return RunImportNames(line.namesFile, out, err);
    case CommandLine::Mode::ExportNames:
        return RunExportNames(line.namesFile, err);
    default:
        return 0;
    }
}

} // namespace start_up
