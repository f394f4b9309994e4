#include "app_harness.h"
#include "commandline/command_line.h"
#include "commandline/start_up.h"

#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

using namespace harness;
using Mode = CommandLine::Mode;

// The command line: what each form asks for, the French messages of wrong ones, and the exit
// codes of the built program.
class CommandLineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void parsed_data();
    void parsed();
    void wrongLines_data();
    void wrongLines();
    void programExitCodes_data();
    void programExitCodes();
    void refusedWithoutDisplay_data();
    void refusedWithoutDisplay();
    void unreadableNames_data();
    void unreadableNames();
    void windowWithNoStudyOpened();
};

void CommandLineTest::initTestCase()
{
    WriteBiorythme(QStringLiteral("jean.bio"), QStringLiteral("Jean"), QDate(1970, 3, 15));
    QFile::copy(QFINDTESTDATA("../../examples/exemple.aff"), QStringLiteral("paire.aff"));
}

void CommandLineTest::parsed_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("study");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("printer");
    QTest::addColumn<bool>("json");

    const QString bio = QStringLiteral("jean.bio");
    QTest::newRow("nothing") << QStringList{} << int(Mode::Run) << QString() << QString()
                             << QString() << false;
    QTest::newRow("a study") << QStringList{bio} << int(Mode::Run) << bio << QString() << QString()
                             << false;
    QTest::newRow("--print") << QStringList{QStringLiteral("--print"), bio} << int(Mode::Print)
                             << bio << QString() << QString() << false;
    QTest::newRow("--print-to") << QStringList{QStringLiteral("--print-to"),
                                               QStringLiteral("Bureau"), bio}
                                << int(Mode::Print) << bio << QString() << QStringLiteral("Bureau")
                                << false;
    QTest::newRow("--export") << QStringList{QStringLiteral("--export"), QStringLiteral("page.pdf"),
                                             bio}
                              << int(Mode::Export) << bio << QStringLiteral("page.pdf") << QString()
                              << false;
    QTest::newRow("--info --json")
        << QStringList{QStringLiteral("--info"), QStringLiteral("--json"), bio} << int(Mode::Info)
        << bio << QString() << QString() << true;
    QTest::newRow("--export .ics --days")
        << QStringList{QStringLiteral("--export"), QStringLiteral("jours.ICS"),
                       QStringLiteral("--days"), QStringLiteral("3660"), bio}
        << int(Mode::Export) << bio << QStringLiteral("jours.ICS") << QString() << false;
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << int(Mode::Version)
                               << QString() << QString() << QString() << false;
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << int(Mode::Help) << QString()
                        << QString() << QString() << false;
}

void CommandLineTest::parsed()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, mode);
    QFETCH(QString, study);
    QFETCH(QString, output);
    QFETCH(QString, printer);
    QFETCH(bool, json);
    const CommandLine line = ParseCommandLine(QStringList{QStringLiteral("ondaris")} + arguments);
    QCOMPARE(int(line.mode), mode);
    QCOMPARE(line.study, study);
    QCOMPARE(line.output, output);
    QCOMPARE(line.printer, printer);
    QCOMPARE(line.json, json);
    QCOMPARE(line.days, arguments.contains(QStringLiteral("--days"))
                            ? arguments.at(arguments.indexOf(QStringLiteral("--days")) + 1).toInt()
                            : 29);
    if (line.mode == Mode::Help) {
        QVERIFY(line.message.startsWith(QStringLiteral("Utilisation : ondaris")));
        for (const QString &option :
             {QStringLiteral("--print"), QStringLiteral("--print-to <imprimante>"),
              QStringLiteral("--export <sortie>"), QStringLiteral("--info"),
              QStringLiteral("--json"), QStringLiteral("--days <jours>"),
              QStringLiteral("--version")})
            QVERIFY2(line.message.contains(option), qPrintable(option));
    }
}

void CommandLineTest::wrongLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QString bio = QStringLiteral("jean.bio");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--imprime"), bio}
                                    << QStringLiteral("Option inconnue : --imprime.");
    QTest::newRow("missing file") << QStringList{QStringLiteral("absent.bio")}
                                  << QStringLiteral("Le fichier « absent.bio » n'existe pas.");
    QTest::newRow("missing value") << QStringList{bio, QStringLiteral("--export")}
                                   << QStringLiteral("Il manque une valeur après l'option "
                                                     "--export.");
    QTest::newRow("print without study") << QStringList{QStringLiteral("--print")}
                                         << QStringLiteral("Indiquez le fichier de l'étude.");
    QTest::newRow("two tools") << QStringList{QStringLiteral("--info"), QStringLiteral("--print"),
                                              bio}
                               << QStringLiteral("Les options --print, --print-to, --export et "
                                                 "--info ne s'emploient pas ensemble.");
    QTest::newRow("json alone") << QStringList{QStringLiteral("--json"), bio}
                                << QStringLiteral("L'option --json ne s'emploie qu'avec --info ou "
                                                  "--best-days.");
    QTest::newRow("--days with a page")
        << QStringList{QStringLiteral("--export"), QStringLiteral("a.pdf"),
                       QStringLiteral("--days"), QStringLiteral("60"), bio}
        << QStringLiteral("L'option --days ne s'emploie qu'avec --info, --best-days ou un export "
                          ".csv ou .ics.");
    for (const char *days : {"0", "3661", "dix"})
        QTest::addRow("--days %s", days)
            << QStringList{QStringLiteral("--info"), QStringLiteral("--days"),
                           QString::fromLatin1(days), bio}
            << QStringLiteral("Le nombre de jours doit être un entier de 1 à 3660.");
    QTest::newRow("--days followed by an option")
        << QStringList{QStringLiteral("--info"), QStringLiteral("--days"), QStringLiteral("--json"),
                       bio}
        << QStringLiteral("Il manque le nombre de jours après l'option --days.");
    QTest::newRow("two studies to export")
        << QStringList{QStringLiteral("--export"), QStringLiteral("a.pdf"), bio, bio}
        << QStringLiteral("Un seul fichier d'étude peut être indiqué.");
}

void CommandLineTest::wrongLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const CommandLine line = ParseCommandLine(QStringList{QStringLiteral("ondaris")} + arguments);
    QCOMPARE(int(line.mode), int(Mode::Error));
    QCOMPARE(line.message.section(u'\n', 0, 0), message);
    QCOMPARE(line.message.section(u'\n', 1), QStringLiteral("Pour l'aide : ondaris --help"));
}

void CommandLineTest::programExitCodes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << 0
                               << QStringLiteral("Ondaris 3.0.0\n") << QString();
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")} << 2 << QString()
                                    << QStringLiteral("Option inconnue : --bogus.\n"
                                                      "Pour l'aide : ondaris --help\n");
    QTest::newRow("missing file") << QStringList{QStringLiteral("absent.aff")} << 2 << QString()
                                  << QStringLiteral("Le fichier « absent.aff » n'existe pas.\n"
                                                    "Pour l'aide : ondaris --help\n");
    QTest::newRow("calendar of an Affinité")
        << QStringList{QStringLiteral("--export"), QStringLiteral("jours.ics"),
                       QStringLiteral("paire.aff")}
        << 2 << QString()
        << QStringLiteral("Une étude Affinité n'a pas de date de départ, donc pas de jours "
                          "critiques : exportez-la en PDF, PNG, SVG ou CSV.\n");
    QTest::newRow("unknown printer")
        << QStringList{QStringLiteral("--print-to"), QStringLiteral("Nulle-part"),
                       QStringLiteral("jean.bio")}
        << 2 << QString() << QStringLiteral("L'imprimante « Nulle-part » n'existe pas.\n");
}

void CommandLineTest::programExitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcess program;
    program.start(QStringLiteral(ONDARIS_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), out);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()), err);
    // No tool of the command line writes the names list.
    QVERIFY(!QFile::exists(QStringLiteral("Ondaris.dat")));
}

void CommandLineTest::refusedWithoutDisplay_data()
{
    QTest::addColumn<QString>("platform");
    QTest::newRow("X11 asked for") << QStringLiteral("xcb");
    QTest::newRow("Wayland first") << QStringLiteral("wayland;xcb");
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    QTest::newRow("the system's own") << QString();
#endif
}

// Where X11 or Wayland is the platform, a start without a display says so in French and ends.
void CommandLineTest::refusedWithoutDisplay()
{
    QFETCH(QString, platform);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ONDARIS_PROGRAM), {});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()),
             QStringLiteral("Ondaris a besoin d'un affichage graphique : aucun écran n'est "
                            "disponible (DISPLAY et WAYLAND_DISPLAY sont vides).\n"));
}

void CommandLineTest::unreadableNames_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QString>("refusal");
    const QString refusal = QStringLiteral("Le nom « %1 » n'est pas valide dans le codage du "
                                           "système : renommez le fichier ou choisissez un autre "
                                           "nom.");
    QTest::newRow("UTF-8 names") << QByteArrayList{"--export", "été.csv", "Zoé.bio"} << QString();
    QTest::newRow("a Latin-1 export name") << QByteArrayList{"--export", "r\xfe.csv", "jean.bio"}
                                           << refusal.arg(QStringLiteral("r\uFFFD.csv"));
    QTest::newRow("a Latin-1 study name")
        << QByteArrayList{"\xe9t\xe9.bio"} << refusal.arg(QStringLiteral("\uFFFDt\uFFFD.bio"));
}

// Read as UTF-8, a name in another encoding would come back naming another file.
void CommandLineTest::unreadableNames()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(QString, refusal);
    arguments.prepend("ondaris");
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    QCOMPARE(start_up::UnreadableArgument(int(argv.size()), argv.data()), refusal);
}

namespace {

// Whether the process has its handler for SIGTERM in place: "SigCgt" of its status.
bool CatchesSigterm(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1U;
    }
    return false;
}

} // namespace

// The window asked to open only a study that does not read: the start ends, and says it failed.
void CommandLineTest::windowWithNoStudyOpened()
{
    const QTemporaryDir folder;
    QFile broken(folder.filePath(QStringLiteral("broken.bio")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("\x04Jean");
    broken.close();
    QProcess program;
    program.setWorkingDirectory(folder.path());
    program.start(QStringLiteral(ONDARIS_PROGRAM), {QStringLiteral("broken.bio")});
    QVERIFY(program.waitForStarted());
    // "Format de fichier inattendu." waits for an answer that nobody gives here; a polite end
    // closes it as a logout would, and the start goes on to its end.
    QTRY_VERIFY_WITH_TIMEOUT(CatchesSigterm(program.processId()), 20000);
    ::kill(pid_t(program.processId()), SIGTERM);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
}

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
