#include "core/affinity.h"
#include "core/calendar.h"
#include "core/cycles.h"
#include "framework/archive.h"

#include <QBuffer>
#include <QDataStream>
#include <QTest>
#include <cmath>

// Each figure comes with a baseline measured in the same run: the plain Qt or library call that
// does comparable work, so that a change of machine does not read as a change of code.
class CoreBench : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dayNumber();
    void dayNumberBaseline();
    void fillCycleSeries();
    void fillCycleSeriesBaseline();
    void affinityScores();
    void affinityScoresBaseline();
    void archiveRoundTrip();
    void archiveRoundTripBaseline();
};

namespace {

volatile double g_sink = 0; // keeps the measured work from being optimised away
constexpr int kYears = 100;

const QString kComment = QString(300, u'x');
const QString kName = QStringLiteral("Anaïs Lefèvre");

} // namespace

void CoreBench::dayNumber()
{
    qint64 total = 0;
    QBENCHMARK
    {
        for (int year = 1950; year < 1950 + kYears; ++year) {
            for (int month = 1; month <= 12; ++month)
                total += DayNumber(year, month, 15);
        }
    }
    g_sink = static_cast<double>(total);
}

void CoreBench::dayNumberBaseline()
{
    qint64 total = 0;
    QBENCHMARK
    {
        for (int year = 1950; year < 1950 + kYears; ++year) {
            for (int month = 1; month <= 12; ++month)
                total += QDate(year, month, 15).toJulianDay();
        }
    }
    g_sink = static_cast<double>(total);
}

void CoreBench::fillCycleSeries()
{
    CycleSeries intellectual{}, sentimental{}, physical{};
    int daysLived = 12589;
    QBENCHMARK
    {
        FillCycleSeries(daysLived++, intellectual, sentimental, physical);
        g_sink = intellectual[0] + sentimental[30] + physical[15];
    }
}

void CoreBench::fillCycleSeriesBaseline()
{
    // The 93 sines alone.
    double x = 1.0;
    QBENCHMARK
    {
        double sum = 0;
        for (int i = 0; i < 3 * kSeriesLength; ++i)
            sum += std::sin(x + i);
        x += 1.0;
        g_sink = sum;
    }
}

void CoreBench::affinityScores()
{
    qint32 other = 719000;
    QBENCHMARK
    {
        const AffinityScores scores = ComputeAffinityScores(719000, other++);
        g_sink = scores.average;
    }
}

void CoreBench::affinityScoresBaseline()
{
    // The 2400 sines alone.
    double x = 1.0;
    QBENCHMARK
    {
        double sum = 0;
        for (int i = 0; i < 2400; ++i)
            sum += std::sin(x + i);
        x += 1.0;
        g_sink = sum;
    }
}

void CoreBench::archiveRoundTrip()
{
    QBENCHMARK
    {
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        CArchive out(&buffer, CArchive::store);
        out.WriteString(kComment);
        out.WriteString(kName);
        out.WriteDate(COleDateTime(25642.0));
        out.WriteDate(COleDateTime(38231.0));
        buffer.seek(0);
        CArchive in(&buffer, CArchive::load);
        g_sink = in.ReadString().size() + in.ReadString().size() + in.ReadDate().m_dt +
                 in.ReadDate().m_dt;
    }
}

void CoreBench::archiveRoundTripBaseline()
{
    QBENCHMARK
    {
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        QDataStream out(&buffer);
        out << kComment << kName << qint32(0) << 25642.0 << qint32(0) << 38231.0;
        buffer.seek(0);
        QDataStream in(&buffer);
        QString comment, name;
        qint32 status1 = 0, status2 = 0;
        double date1 = 0, date2 = 0;
        in >> comment >> name >> status1 >> date1 >> status2 >> date2;
        g_sink = comment.size() + name.size() + date1 + date2;
    }
}

QTEST_GUILESS_MAIN(CoreBench)
#include "core_bench.moc"
