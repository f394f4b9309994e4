#include "baseline_pdf.h"
#include "charts/study_export.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

// The export of a page to PDF inside one process, beside the baseline PDF written in the same
// run. startup_bench compares the whole processes, against the bare export_baseline.
class ExportBench : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportBiorythme()
    {
        const QString study = QFINDTESTDATA("../examples/exemple.bio");
        QString messages;
        QTextStream err(&messages);
        QBENCHMARK
        {
            QCOMPARE(RunExport(m_dir.filePath(QStringLiteral("page.pdf")), study, 29, err), 0);
        }
    }

    void baseline()
    {
        QBENCHMARK
        {
            QVERIFY(WriteBaselinePdf(m_dir.filePath(QStringLiteral("baseline.pdf"))));
        }
    }

private:
    QTemporaryDir m_dir;
};

// The in-process medians of 9 runs.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.contains(QStringLiteral("-median")))
        arguments << QStringLiteral("-median") << QStringLiteral("9");
    ExportBench bench;
    return QTest::qExec(&bench, arguments);
}

#include "export_bench.moc"
