#include "app_harness.h"
#include "commandline/best_days_command.h"
#include "commandline/command_line.h"
#include "common/exact.h"
#include "studies/study_loader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTextStream>

using namespace harness;
using Mode = CommandLine::Mode;

// `--best-days` and `--export --year`: what each line asks for, the refusals, the JSON and the
// exit codes of the built program.
class BestDaysCommandTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void parsed_data();
    void parsed();
    void wrongLines_data();
    void wrongLines();
    void jsonOnTheCurvesScale();
    void programExitCodes_data();
    void programExitCodes();
};

void BestDaysCommandTest::initTestCase()
{
    WriteBiorythme(QStringLiteral("jean.bio"), QStringLiteral("Jean"), QDate(1970, 3, 15));
    QFile::copy(QFINDTESTDATA("../../examples/exemple.aff"), QStringLiteral("paire.aff"));
    QFile broken(QStringLiteral("casse.bio"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("\x05", 1);
}

void BestDaysCommandTest::parsed_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("span");
    QTest::addColumn<int>("cycles");
    QTest::addColumn<bool>("average");
    QTest::addColumn<bool>("json");

    const QString bio = QStringLiteral("jean.bio");
    const int all = int(Cycle::Intellectuel | Cycle::Sentimental | Cycle::Physique);
    QTest::newRow("the defaults") << QStringList{QStringLiteral("--best-days"), bio} << QDate()
                                  << 90 << all << false << false;
    QTest::newRow("every option") << QStringList{QStringLiteral("--best-days"),
                                                 QStringLiteral("--json"),
                                                 QStringLiteral("--from"),
                                                 QStringLiteral("29/02/2028"),
                                                 QStringLiteral("--days"),
                                                 QStringLiteral("366"),
                                                 QStringLiteral("--cycles"),
                                                 QStringLiteral("I,p"),
                                                 bio}
                                  << QDate(2028, 2, 29) << 366
                                  << int(Cycle::Intellectuel | Cycle::Physique) << false << true;
    QTest::newRow("the cycles by their names")
        << QStringList{QStringLiteral("--best-days"), QStringLiteral("--cycles=Sentimental"), bio}
        << QDate() << 90 << int(Cycle::Sentimental) << false << false;
    QTest::newRow("the average") << QStringList{QStringLiteral("--best-days"),
                                                QStringLiteral("--cycles"),
                                                QStringLiteral("moyenne"),
                                                QStringLiteral("--days"),
                                                QStringLiteral("1"),
                                                bio}
                                 << QDate() << 1 << all << true << false;
}

void BestDaysCommandTest::parsed()
{
    QFETCH(QStringList, arguments);
    QFETCH(QDate, from);
    QFETCH(int, span);
    QFETCH(int, cycles);
    QFETCH(bool, average);
    QFETCH(bool, json);
    const CommandLine line = ParseCommandLine(QStringList{QStringLiteral("ondaris")} + arguments);
    QCOMPARE(line.message, QString());
    QCOMPARE(int(line.mode), int(Mode::BestDays));
    QCOMPARE(line.study, QStringLiteral("jean.bio"));
    QCOMPARE(line.bestDays.from, from);
    QCOMPARE(line.bestDays.span, span);
    QCOMPARE(int(line.bestDays.cycles.toInt()), cycles);
    QCOMPARE(line.bestDays.average, average);
    QCOMPARE(line.bestDays.threshold, 0.0);
    QVERIFY(line.bestDays.skipCritical);
    QCOMPARE(line.json, json);
}

void BestDaysCommandTest::wrongLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QString bio = QStringLiteral("jean.bio");
    const QString best = QStringLiteral("--best-days");
    QTest::newRow("no study") << QStringList{best}
                              << QStringLiteral("Indiquez le fichier de l'étude.");
    QTest::newRow("with --info")
        << QStringList{best, QStringLiteral("--info"), bio}
        << QStringLiteral("L'option --best-days ne s'emploie pas avec --print, --print-to, "
                          "--export ni --info.");
    QTest::newRow("--from alone") << QStringList{QStringLiteral("--from"),
                                                 QStringLiteral("01/01/2027"), bio}
                                  << QStringLiteral("L'option --from ne s'emploie qu'avec "
                                                    "--best-days.");
    QTest::newRow("--cycles with --info")
        << QStringList{QStringLiteral("--info"), QStringLiteral("--cycles"), QStringLiteral("i"),
                       bio}
        << QStringLiteral("L'option --cycles ne s'emploie qu'avec --best-days.");
    for (const char *date : {"31/02/2027", "2027-01-01", "1/1/2027", "31/12/0099", ""})
        QTest::addRow("--from \"%s\"", date)
            << QStringList{best, QStringLiteral("--from"), QString::fromLatin1(date), bio}
            << QStringLiteral("La date de --from s'écrit JJ/MM/AAAA, du 01/01/0100 au "
                              "31/12/9999 : « %1 » n'en est pas une.")
                   .arg(QString::fromLatin1(date));
    for (const char *cycles : {"i,x", "moyenne,i", "", "i,,p"})
        QTest::addRow("--cycles \"%s\"", cycles)
            << QStringList{best, QStringLiteral("--cycles"), QString::fromLatin1(cycles), bio}
            << QStringLiteral("Les cycles de --cycles sont i, s et p séparés par des virgules "
                              "(par exemple i,p), ou moyenne : « %1 » n'en est pas.")
                   .arg(QString::fromLatin1(cycles));
    for (const char *days : {"0", "367", "3660"})
        QTest::addRow("--days %s", days)
            << QStringList{best, QStringLiteral("--days"), QString::fromLatin1(days), bio}
            << QStringLiteral("Le nombre de jours doit être un entier de 1 à 366.");
    QTest::newRow("--year alone") << QStringList{QStringLiteral("--year"), bio}
                                  << QStringLiteral("L'option --year ne s'emploie qu'avec "
                                                    "--export.");
    QTest::newRow("--year with --days")
        << QStringList{QStringLiteral("--export"), QStringLiteral("an.csv"),
                       QStringLiteral("--year"),   QStringLiteral("--days"),
                       QStringLiteral("60"),       bio}
        << QStringLiteral("L'option --days ne s'emploie pas avec --year : l'année a ses douze "
                          "mois.");
}

void BestDaysCommandTest::wrongLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const CommandLine line = ParseCommandLine(QStringList{QStringLiteral("ondaris")} + arguments);
    QCOMPARE(int(line.mode), int(Mode::Error));
    QCOMPARE(line.message.section(u'\n', 0, 0), message);
}

// The days' values are the doubles of the --info curves, the mean that of the counted ones.
void BestDaysCommandTest::jsonOnTheCurvesScale()
{
    BestDaysQuery query;
    query.from = QDate(2024, 5, 1); // the study's start date
    query.span = 29;
    query.cycles = Cycle::Intellectuel | Cycle::Physique;
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    QCOMPARE(RunBestDays(QStringLiteral("jean.bio"), query, true, outStream, errStream), 0);
    QCOMPARE(err, QString());
    const QJsonArray days =
        QJsonDocument::fromJson(out.toUtf8()).object().value(QStringLiteral("days")).toArray();
    QVERIFY(!days.isEmpty());

    const LoadedStudy study = LoadStudy(QStringLiteral("jean.bio"));
    const auto *doc = qobject_cast<const COndarisDoc *>(study.document.get());
    QVERIFY(doc);
    double previous = -5;
    for (const QJsonValue &value : days) {
        const QJsonObject day = value.toObject();
        QCOMPARE(day.keys(), (QStringList{QStringLiteral("date"), QStringLiteral("intellectual"),
                                          QStringLiteral("mean"), QStringLiteral("physical"),
                                          QStringLiteral("sentimental")}));
        const int k = int(query.from.daysTo(
            QDate::fromString(day.value(QStringLiteral("date")).toString(), Qt::ISODate)));
        QVERIFY(k >= 0 && k < 29);
        const double intellectual = day.value(QStringLiteral("intellectual")).toDouble();
        const double physical = day.value(QStringLiteral("physical")).toDouble();
        QCOMPARE(Exact(intellectual), Exact(doc->curveIntellectual[k]));
        QCOMPARE(Exact(day.value(QStringLiteral("sentimental")).toDouble()),
                 Exact(doc->curveSentimental[k]));
        QCOMPARE(Exact(physical), Exact(doc->curvePhysical[k]));
        QVERIFY(intellectual < 0 && physical < 0);
        const double mean = day.value(QStringLiteral("mean")).toDouble();
        QCOMPARE(Exact(mean), Exact((intellectual + physical) / 2));
        QVERIFY(mean >= previous);
        previous = mean;
    }
}

void BestDaysCommandTest::programExitCodes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err");
    QTest::addColumn<QString>("written");
    const QString bio = QStringLiteral("jean.bio");
    const QString best = QStringLiteral("--best-days");
    QTest::newRow("found") << QStringList{best, QStringLiteral("--from"),
                                          QStringLiteral("01/05/2024"), bio}
                           << 0 << QString() << QString();
    QTest::newRow("an Affinité study")
        << QStringList{best, QStringLiteral("paire.aff")} << 2
        << QStringLiteral("Une étude Affinité n'a pas de date de départ, donc pas de meilleurs "
                          "jours : choisissez une étude Biorythme ou Compatibilité.\n")
        << QString();
    QTest::newRow("past the last date")
        << QStringList{best,
                       QStringLiteral("--from"),
                       QStringLiteral("25/12/9999"),
                       QStringLiteral("--days"),
                       QStringLiteral("30"),
                       bio}
        << 2
        << QStringLiteral("Les 30 jours à partir du 25/12/9999 dépassent le 31/12/9999, "
                          "dernière date possible.\n")
        << QString();
    QTest::newRow("a study that cannot be read")
        << QStringList{best, QStringLiteral("casse.bio")} << 1 << QStringLiteral("*") << QString();
    QTest::newRow("a wrong line") << QStringList{best, QStringLiteral("--days"),
                                                 QStringLiteral("400"), bio}
                                  << 2
                                  << QStringLiteral("Le nombre de jours doit être un entier de "
                                                    "1 à 366.\nPour l'aide : ondaris --help\n")
                                  << QString();
    for (const char *suffix : {"pdf", "png", "svg", "csv"})
        QTest::addRow("the year in .%s", suffix)
            << QStringList{QStringLiteral("--export"),
                           QStringLiteral("an.") + QLatin1String(suffix), QStringLiteral("--year"),
                           bio}
            << 0 << QString() << QStringLiteral("an.") + QLatin1String(suffix);
    QTest::newRow("the year in a calendar")
        << QStringList{QStringLiteral("--export"), QStringLiteral("an.ics"),
                       QStringLiteral("--year"), bio}
        << 2
        << QStringLiteral("L'année s'exporte en PDF, PNG, SVG ou CSV ; pour un agenda, exportez "
                          "l'étude en .ics avec --days.\n")
        << QString();
    QTest::newRow("the year of an Affinité study")
        << QStringList{QStringLiteral("--export"), QStringLiteral("an.pdf"),
                       QStringLiteral("--year"), QStringLiteral("paire.aff")}
        << 2
        << QStringLiteral("Une étude Affinité n'a pas de date de départ, donc pas d'année : "
                          "choisissez une étude Biorythme ou Compatibilité.\n")
        << QString();
}

void BestDaysCommandTest::programExitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, err);
    QFETCH(QString, written);
    QFile::remove(QStringLiteral("an.pdf"));
    QProcess program;
    program.start(QStringLiteral(ONDARIS_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    if (err == QStringLiteral("*"))
        QVERIFY(!errors.isEmpty());
    else
        QCOMPARE(errors, err);
    const QByteArray out = program.readAllStandardOutput();
    QCOMPARE(out.isEmpty(), exitCode != 0 || !written.isEmpty());
    if (!written.isEmpty())
        QVERIFY(QFileInfo(written).size() > 0);
    QVERIFY(!QFile::exists(QStringLiteral("an.pdf")) || written == QStringLiteral("an.pdf"));
    QVERIFY(!QFile::exists(QStringLiteral("Ondaris.dat")));
}

QTEST_MAIN(BestDaysCommandTest)
#include "best_days_command_test.moc"
