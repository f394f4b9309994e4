#include "framework/doc_template.h"
#include "people/names_list.h"
#include "persistence/background_copies.h"
#include "persistence/recovery_session.h"
#include "studies/biorythme_doc.h"
#include "studies/study_types.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

// What the copy that follows each change costs. A change made in a burst (an edit after another)
// only restarts a timer: that is what the user's editing pays, beside the same change heard by
// no one. The write itself, once the changes stop, runs the study's writer and the one file
// writer (a whole file, synced), beside the study written into memory: its time is the pause the
// program may take once every few seconds at most.
class RecoveryBench : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void changeInABurst();
    void changeBaseline();
    void copyWritten();
    void copyBaseline();

private:
    QTemporaryDir m_home;
    NamesList m_names;
    std::unique_ptr<CDocTemplate> m_type;
    std::unique_ptr<COndarisDoc> m_study;
};

void RecoveryBench::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_DATA_HOME", m_home.path().toLocal8Bit());
    const StudyType &biorythme = StudyTypes().front();
    m_type = std::make_unique<CDocTemplate>(biorythme.resourceId, biorythme.description, nullptr);
    m_study = std::make_unique<COndarisDoc>(m_names);
    QCOMPARE(m_study->ReadFile(QFINDTESTDATA("../examples/exemple.bio")), QString());
    m_study->SetDocTemplate(m_type.get());
    m_study->SetModifiedFlag();
}

void RecoveryBench::changeInABurst()
{
    recovery::Session session;
    recovery::BackgroundCopies copies(session);
    copies.Watch(*m_study);
    QBENCHMARK
    {
        m_study->UpdateAllViews();
    }
    copies.Unwatch(*m_study, false);
}

void RecoveryBench::changeBaseline()
{
    QBENCHMARK
    {
        m_study->UpdateAllViews();
    }
}

void RecoveryBench::copyWritten()
{
    recovery::Session session;
    QBENCHMARK
    {
        QVERIFY(session.Keep(*m_study));
    }
    session.Drop(*m_study);
}

void RecoveryBench::copyBaseline()
{
    QBENCHMARK
    {
        QBuffer memory;
        memory.open(QIODevice::WriteOnly);
        QVERIFY(m_study->WriteTo(memory).isEmpty());
    }
}

QTEST_GUILESS_MAIN(RecoveryBench)
#include "recovery_bench.moc"
