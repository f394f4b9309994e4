#include "charts/groupe_page.h"
#include "charts/page_export.h"
#include "charts/page_frame.h"
#include "core/affinity.h"
#include "framework/painter_device.h"
#include "people/names_list.h"
#include "studies/affinite_doc.h"
#include "studies/groupe_doc.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTest>

// A group of 100 members (4,950 pairs): opening its file (reading, the scores of every pair,
// the ranking and the best partners), drawing its page as the window does, and exporting it to
// PDF and PNG. Beside them, the baselines of the same run: the scores of one Affinité study, and
// the Affinité example's page exported the same ways.
class GroupBench : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void open();
    void draw();
    void exportPage_data();
    void exportPage();
    void baselineOneAffinity();

private:
    NamesList m_names;
    QByteArray m_file;
    std::unique_ptr<CGroupeDoc> m_group;
    std::unique_ptr<COndarisDoc3> m_affinite;
};

void GroupBench::initTestCase()
{
    // Birth dates spread over a century, so that hardly two pairs are as far apart.
    CGroupeDoc group(m_names);
    QList<PersonRecord> members;
    for (int i = 0; i < 100; ++i)
        members.append({QStringLiteral("Membre numéro %1").arg(i + 1),
                        COleDateTime(1920 + i, 1 + (i * 5) % 12, 1 + (i * 11) % 28)});
    group.SetMembers(members);
    QBuffer buffer(&m_file);
    buffer.open(QIODevice::WriteOnly);
    QCOMPARE(group.WriteTo(buffer), QString());
    m_group = std::make_unique<CGroupeDoc>(m_names);
    m_group->SetMembers(members);
    m_affinite = std::make_unique<COndarisDoc3>(m_names);
    QCOMPARE(m_affinite->ReadFile(QFINDTESTDATA("../examples/exemple.aff")), QString());
}

void GroupBench::open()
{
    QBENCHMARK
    {
        NamesList names;
        CGroupeDoc group(names);
        QBuffer buffer(&m_file);
        buffer.open(QIODevice::ReadOnly);
        QCOMPARE(group.ReadFrom(buffer), QString());
    }
}

void GroupBench::draw()
{
    QImage image(1000, 2200, QImage::Format_RGB32);
    QBENCHMARK
    {
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterDevice dc(painter, false);
        DrawGroupePage(dc, *m_group, PageFontHeight(dc));
    }
}

void GroupBench::exportPage_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("baseline");
    QTest::newRow("PDF") << int(PageFormat::Pdf) << false;
    QTest::newRow("PNG") << int(PageFormat::Png) << false;
    QTest::newRow("baseline: the Affinite example, PDF") << int(PageFormat::Pdf) << true;
    QTest::newRow("baseline: the Affinite example, PNG") << int(PageFormat::Png) << true;
}

void GroupBench::exportPage()
{
    QFETCH(int, format);
    QFETCH(bool, baseline);
    CDocument &study = baseline ? static_cast<CDocument &>(*m_affinite) : *m_group;
    QBENCHMARK
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(WritePage(buffer, study, PageFormat(format)));
    }
}

void GroupBench::baselineOneAffinity()
{
    qint32 day = 700000;
    QBENCHMARK
    {
        const AffinityScores scores = ComputeAffinityScores(700000, ++day);
        QVERIFY(scores.average >= 0);
    }
}

// Medians of 5 runs.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    GroupBench bench;
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.contains(QStringLiteral("-median")))
        arguments << QStringLiteral("-median") << QStringLiteral("5");
    return QTest::qExec(&bench, arguments);
}

#include "group_bench.moc"
