#include "persistence/app_settings.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kOnePerson = QByteArrayLiteral("BSBDBDCP\r\n1\r\nAnne\r\n14\r\n7\r\n1985\r\n");
const QByteArray kCard = QByteArrayLiteral("BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Zoé\r\n"
                                           "BDAY:19900203\r\nEND:VCARD\r\n"
                                           "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Anne\r\n"
                                           "BDAY:1985-07-14\r\nEND:VCARD\r\n");

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(absent)");
}

void Put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

// `ondaris --import-names FILE` and `--export-names FILE` from end to end, on the names list of
// the working directory (the data directory when the settings name none).
class NamesTransferTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void runs_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("list"); // Ondaris.dat before the run
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QByteArray>("after"); // Ondaris.dat after the run
        const QString card = QStringLiteral("carnet.vcf");
        QTest::newRow("import, one new")
            << QStringList{QStringLiteral("--import-names"), card} << kOnePerson << 0
            << QStringLiteral("Personnes ajoutées : 1\n"
                              "Déjà enregistrées (même nom, même "
                              "date de naissance) : 1\n"
                              "Sans date de naissance, ignorées : 0\n"
                              "Sans année de naissance, ignorées : "
                              "0\n"
                              "Refusées : 0\n")
            << QString()
            << QByteArray("BSBDBDCP\r\n2\r\nAnne\r\n14\r\n7\r\n1985"
                          "\r\nZo\xE9\r\n3\r\n2\r\n1990\r\n");
        QTest::newRow("import into no list yet")
            << QStringList{QStringLiteral("--import-names"), card} << QByteArray() << 0
            << QStringLiteral("Personnes ajoutées : 2\n"
                              "Déjà enregistrées (même nom, même date de naissance) : 0\n"
                              "Sans date de naissance, ignorées : 0\n"
                              "Sans année de naissance, ignorées : 0\n"
                              "Refusées : 0\n")
            << QString()
            << QByteArray(
                   "BSBDBDCP\r\n2\r\nZo\xE9\r\n3\r\n2\r\n1990\r\nAnne\r\n14\r\n7\r\n1985\r\n");
        QTest::newRow("import a truncated card")
            << QStringList{QStringLiteral("--import-names"), QStringLiteral("tronqué.vcf")}
            << kOnePerson << 2 << QString()
            << QStringLiteral("Le fichier « tronqué.vcf » ne peut être importé : le fichier est "
                              "tronqué : sa dernière fiche n'a pas de fin.\n")
            << kOnePerson;
        QTest::newRow("import a missing file")
            << QStringList{QStringLiteral("--import-names"), QStringLiteral("absent.csv")}
            << kOnePerson << 1 << QString()
            << QStringLiteral("Impossible d'ouvrir le fichier « absent.csv » : ") << kOnePerson;
        QTest::newRow("import another format")
            << QStringList{QStringLiteral("--import-names"), QStringLiteral("carnet.txt")}
            << kOnePerson << 2 << QString()
            << QStringLiteral("Le fichier « carnet.txt » n'est ni un carnet d'adresses vCard "
                              "(.vcf) ni un tableau CSV (.csv).\n")
            << kOnePerson;
        QTest::newRow("import into a corrupt list")
            << QStringList{QStringLiteral("--import-names"), card} << QByteArray("abimé\r\n") << 1
            << QString() << QStringLiteral("Le fichier Ondaris.dat est corrompu !\n")
            << QByteArray("abimé\r\n");
        QTest::newRow("export as CSV")
            << QStringList{QStringLiteral("--export-names"), QStringLiteral("noms.csv")}
            << kOnePerson << 0 << QString() << QString() << kOnePerson;
        QTest::newRow("export as another format")
            << QStringList{QStringLiteral("--export-names"), QStringLiteral("noms.doc")}
            << kOnePerson << 2 << QString()
            << QStringLiteral("Le fichier « noms.doc » n'est ni un carnet d'adresses vCard "
                              "(.vcf) ni un tableau CSV (.csv).\n")
            << kOnePerson;
        QTest::newRow("export into a missing folder")
            << QStringList{QStringLiteral("--export-names"), QStringLiteral("absent/noms.vcf")}
            << kOnePerson << 1 << QString()
            << QStringLiteral("Impossible d'écrire le fichier « noms.vcf » : ") << kOnePerson;
        QTest::newRow("with a study")
            << QStringList{QStringLiteral("--export-names"), QStringLiteral("noms.vcf"), card}
            << kOnePerson << 2 << QString()
            << QStringLiteral("Les options --import-names et "
                              "--export-names s'emploient seules, avec "
                              "le seul fichier des personnes.\n"
                              "Pour l'aide : ondaris --help\n")
            << kOnePerson;
    }
    void runs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, list);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        if (!list.isEmpty())
            Put(dir.filePath(QStringLiteral("Ondaris.dat")), list);
        Put(dir.filePath(QStringLiteral("carnet.vcf")), kCard);
        Put(dir.filePath(QStringLiteral("tronqué.vcf")), kCard.left(40));
        QProcess program;
        program.setWorkingDirectory(dir.path());
        program.start(QStringLiteral(ONDARIS_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), out);
        const QString errors = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(errors.startsWith(err) && (err.isEmpty() == errors.isEmpty()), qPrintable(errors));
        QCOMPARE(program.exitCode(), exitCode);
        QCOMPARE(Contents(dir.filePath(QStringLiteral("Ondaris.dat"))),
                 list.isEmpty() && after.isEmpty() ? QByteArray("(absent)") : after);
        if (arguments.contains(QStringLiteral("noms.csv")))
            QCOMPARE(Contents(dir.filePath(QStringLiteral("noms.csv"))),
                     QByteArray("\xEF\xBB\xBFNom;Naissance\r\nAnne;14/07/1985\r\n"));
    }

    // The data directory of the settings holds the list, not the working directory.
    void chosenDataDirectory()
    {
        QTemporaryDir work;
        QTemporaryDir data;
        Put(data.filePath(QStringLiteral("Ondaris.dat")), kOnePerson);
        app_settings::Store().setValue(QLatin1StringView(app_settings::kDataDirectoryKey),
                                       data.path());
        app_settings::Store().sync();
        QProcess program;
        program.setWorkingDirectory(work.path());
        program.start(QStringLiteral(ONDARIS_PROGRAM),
                      {QStringLiteral("--export-names"), QStringLiteral("noms.vcf")});
        QVERIFY(program.waitForFinished(20000));
        app_settings::Store().remove(QLatin1StringView(app_settings::kDataDirectoryKey));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(Contents(work.filePath(QStringLiteral("noms.vcf"))).contains("FN:Anne\r\n"));
        QVERIFY(!QFile::exists(work.filePath(QStringLiteral("Ondaris.dat"))));
    }
};

QTEST_MAIN(NamesTransferTest)
#include "names_transfer_test.moc"
