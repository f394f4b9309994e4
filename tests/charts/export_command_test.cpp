#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int code = -1;
    QString out;
    QString err;
};

Run Ondaris(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(ONDARIS_PROGRAM), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString PdfText(const QString &path)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                  {path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

// `ondaris --export OUT STUDY` from end to end, on the example studies.
class ExportCommandTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void exportsEachExample_data()
    {
        QTest::addColumn<QString>("study");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("title");
        const QString bio = QFINDTESTDATA("../../examples/exemple.bio");
        const QString bi2 = QFINDTESTDATA("../../examples/exemple.bi2");
        const QString aff = QFINDTESTDATA("../../examples/exemple.aff");
        for (const QString &format : {QStringLiteral("pdf"), QStringLiteral("png")}) {
            QTest::addRow("Biorythme %s", qPrintable(format))
                << bio << format << QStringLiteral("Biorythme à partir d'une date donnée");
            QTest::addRow("Compatibilité %s", qPrintable(format))
                << bi2 << format << QStringLiteral("Compatibilité à partir d'une date donnée");
            QTest::addRow("Affinité %s", qPrintable(format))
                << aff << format << QStringLiteral("Affinités entre deux personnes");
        }
    }

    void exportsEachExample()
    {
        QFETCH(QString, study);
        QFETCH(QString, format);
        QFETCH(QString, title);
        // The names list of the data directory must come out as it went in.
        const QString namesFile = QDir::current().filePath(QStringLiteral("Ondaris.dat"));
        QFile::remove(namesFile);

        const QString out = m_dir.filePath(QStringLiteral("page.") + format);
        QFile::remove(out);
        const Run run = Ondaris({QStringLiteral("--export"), out, study});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.err, QString());
        QVERIFY(!QFile::exists(namesFile));
        if (format == QLatin1String("png")) {
            QCOMPARE(QImage(out).size(), QSize(2480, 3508));
            return;
        }
        const QString text = PdfText(out);
        QVERIFY2(text.contains(title), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Identification")));
        QCOMPARE(text.count(QLatin1Char('\f')), 1);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("study");
        QTest::newRow("unknown output")
            << QStringLiteral("page.jpg") << QFINDTESTDATA("../../examples/exemple.bio");
        QTest::newRow("unreadable study")
            << QStringLiteral("page.pdf") << QFINDTESTDATA("data/truncated.bio");
    }

    void refusals()
    {
        QFETCH(QString, out);
        QFETCH(QString, study);
        const QString path = m_dir.filePath(out);
        QFile::remove(path);
        const Run run = Ondaris({QStringLiteral("--export"), path, study});
        QCOMPARE(run.code, 1);
        QVERIFY(!run.err.trimmed().isEmpty());
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(ExportCommandTest)
#include "export_command_test.moc"
