#include "charts/study_export.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

// The output of a poppler tool on a PDF.
QString Poppler(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return QString();
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

// Export of a study's page without a window: each kind to PDF and PNG, and the refusals.
class PageExportTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    int Export(const QString &out, const QString &study, QString &messages)
    {
        QTextStream err(&messages);
        const int code = RunExport(out, study, 29, err);
        err.flush();
        return code;
    }

private Q_SLOTS:
    void pdf_data()
    {
        QTest::addColumn<QString>("study");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("Biorythme") << QFINDTESTDATA("data/biorythme.bio")
                                   << QStringList{
                                          QStringLiteral("Ondaris v3 - Biorythme à partir"),
                                          QStringLiteral("Identification :"),
                                          QStringLiteral("Jeanne Martin (Dimanche"),
                                          QStringLiteral("Date de départ :"),
                                          QStringLiteral("Intellectuel"),
                                          QStringLiteral("Sentimental"),
                                          QStringLiteral("Physique"),
                                          QStringLiteral("Penser au rendez-vous du 15."),
                                      };
        QTest::newRow("Compatibilité")
            << QFINDTESTDATA("data/compatibilite.bi2")
            << QStringList{QStringLiteral("Ondaris v3 - Compatibilité à partir"),
                           QStringLiteral("Identification 1 :"),
                           QStringLiteral("Identification 2 :"),
                           QStringLiteral("Anonyme ("),
                           QStringLiteral("Intellectuel"),
                           QStringLiteral("Physique")};
        QTest::newRow("Affinité") << QFINDTESTDATA("data/affinite.aff")
                                  << QStringList{QStringLiteral("Affinités entre deux personnes"),
                                                 QStringLiteral("Identification 1 :"),
                                                 QStringLiteral("Paul Durand"),
                                                 QStringLiteral("Intellectuel :"),
                                                 QStringLiteral("Moyenne :"),
                                                 QStringLiteral("Histogramme :"),
                                                 QStringLiteral("À revoir en juin.")};
    }

    void pdf()
    {
        QFETCH(QString, study);
        QFETCH(QStringList, words);
        const QString out = m_dir.filePath(QStringLiteral("page.pdf"));
        QString messages;
        QCOMPARE(Export(out, study, messages), 0);
        QCOMPARE(messages, QString());

        const QString info = Poppler(QStringLiteral("pdfinfo"), {out});
        QVERIFY2(!info.isEmpty(), "pdfinfo (poppler-utils) is needed");
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
                 qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
        const QString text = Poppler(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-layout"), out, QStringLiteral("-")});
        for (const QString &word : words)
            QVERIFY2(text.contains(word), qPrintable(word + QStringLiteral(" in:\n") + text));
    }

    void png_data()
    {
        QTest::addColumn<QString>("study");
        QTest::newRow("Biorythme") << QFINDTESTDATA("../../examples/exemple.bio");
        QTest::newRow("Compatibilité") << QFINDTESTDATA("../../examples/exemple.bi2");
        QTest::newRow("Affinité") << QFINDTESTDATA("../../examples/exemple.aff");
    }

    void png()
    {
        QFETCH(QString, study);
        const QString out = m_dir.filePath(QStringLiteral("page.png"));
        QString messages;
        QCOMPARE(Export(out, study, messages), 0);
        QCOMPARE(messages, QString());
        QImage image(out);
        QCOMPARE(image.size(), QSize(2480, 3508));
        QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 300);
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(image.pixelColor(2479, 3507), QColor(Qt::white));
        // Something was drawn: the chart's dark blue is somewhere on the page.
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; y += 2) {
            for (int x = 0; x < image.width() && !drawn; ++x)
                drawn = image.pixelColor(x, y) == QColor(0, 0, 128);
        }
        QVERIFY(drawn);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("study");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown output")
            << QStringLiteral("page.jpg") << QFINDTESTDATA("data/biorythme.bio")
            << QStringLiteral("Format d'export inconnu");
        QTest::newRow("unknown study")
            << QStringLiteral("page.pdf")
            << QFINDTESTDATA("data/biorythme.bio") + QStringLiteral(".txt")
            << QStringLiteral("Type de fichier inconnu");
        QTest::newRow("missing study")
            << QStringLiteral("page.png") << m_dir.filePath(QStringLiteral("absente.bio"))
            << QStringLiteral("Impossible de lire l'étude");
        QTest::newRow("truncated study")
            << QStringLiteral("page.pdf") << QFINDTESTDATA("data/truncated.bio")
            << QStringLiteral("Format de fichier inattendu.");
        QTest::newRow("unwritable output")
            << QStringLiteral("absent/page.pdf") << QFINDTESTDATA("data/biorythme.bio")
            << QStringLiteral("Impossible d'écrire");
    }

    void refusals()
    {
        QFETCH(QString, out);
        QFETCH(QString, study);
        QFETCH(QString, message);
        const QString path = m_dir.filePath(out);
        QFile::remove(path);
        QString messages;
        QCOMPARE(Export(path, study, messages), 1);
        QVERIFY2(messages.contains(message), qPrintable(messages));
        QVERIFY(messages.endsWith(QLatin1Char('\n')));
        QVERIFY(!QFile::exists(path));
    }

    // The study's persons are not added to any names list file.
    void namesListUntouched()
    {
        QString messages;
        QCOMPARE(Export(m_dir.filePath(QStringLiteral("n.pdf")), QFINDTESTDATA("data/affinite.aff"),
                        messages),
                 0);
        QVERIFY(!QFile::exists(QDir::current().filePath(QStringLiteral("Ondaris.dat"))));
    }
};

QTEST_MAIN(PageExportTest)
#include "page_export_test.moc"
