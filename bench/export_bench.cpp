#include "charts/study_export.h"

#include <QApplication>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

// The baseline: a one-page A4 PDF at the export's resolution, in the page's two fonts, with a
// few lines of text and no study behind it.
bool WriteBaselinePdf(const QString &path)
{
    QPdfWriter writer(path);
    writer.setResolution(600);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    QFont label(QStringLiteral("Arial"));
    label.setBold(true);
    label.setPixelSize(83);
    QFont text(QStringLiteral("Times New Roman"));
    text.setPixelSize(83);
    painter.setFont(label);
    painter.drawText(500, 200, QStringLiteral("Ondaris v3 - Biorythme à partir d'une date donnée"));
    painter.drawText(500, 600, QStringLiteral("Identification : "));
    painter.setFont(text);
    painter.drawText(1200, 600, QStringLiteral("Claire Fontaine (Dimanche 14/07/1985)"));
    painter.drawText(1200, 700, QStringLiteral("04/01/2027"));
    return painter.end();
}

} // namespace

// The export of a page to PDF inside one process, beside the baseline PDF written in the same
// run. scripts/bench-export.sh compares the whole processes.
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

// "export_bench --write-baseline OUT" writes the baseline PDF once and ends, so that a script
// can time it as a whole process; without it, the in-process medians of 9 runs.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    const qsizetype write = arguments.indexOf(QStringLiteral("--write-baseline"));
    if (write > 0 && write + 1 < arguments.size())
        return WriteBaselinePdf(arguments.at(write + 1)) ? 0 : 1;
    if (!arguments.contains(QStringLiteral("-median")))
        arguments << QStringLiteral("-median") << QStringLiteral("9");
    ExportBench bench;
    return QTest::qExec(&bench, arguments);
}

#include "export_bench.moc"
