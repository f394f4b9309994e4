#include "framework/whole_file.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <sys/resource.h>

Q_DECLARE_METATYPE(WriteStage)

namespace {

const QByteArray kOld("the user's old file");

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

QStringList Entries(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// The bytes that a full disk would have cut: more than Qt's write buffer, so that a failure
// can surface as well in write() as in the flush.
QByteArray NewContent(qsizetype size)
{
    QByteArray bytes(size, 'n');
    bytes.prepend("new ");
    return bytes;
}

} // namespace

// A file is replaced whole, or kept byte for byte with nothing left beside it, wherever the
// write fails.
class WholeFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { whole_file_testing::FailAt(std::nullopt); }

    void replacesWhole_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::newRow("over an old file") << true;
        QTest::newRow("a new file") << false;
    }
    void replacesWhole()
    {
        QFETCH(bool, existing);
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("étude.bio"));
        if (existing)
            QVERIFY(!WriteWholeFile(path, kOld));
        const QByteArray content = NewContent(100000);
        QVERIFY(!WriteWholeFile(path, content));
        QCOMPARE(Contents(path), content);
        QCOMPARE(Entries(dir), QStringList{QStringLiteral("étude.bio")});
    }

    // Each step made to fail as a full disk would, over an old file and where there was none.
    void failureKeepsOldFile_data()
    {
        QTest::addColumn<WriteStage>("stage");
        QTest::addColumn<bool>("existing");
        const std::pair<WriteStage, const char *> stages[] = {
            {WriteStage::Open, "open"},     {WriteStage::Write, "write"},
            {WriteStage::Flush, "flush"},   {WriteStage::Sync, "sync"},
            {WriteStage::Rename, "rename"},
        };
        for (const auto &[stage, name] : stages) {
            QTest::addRow("%s, over an old file", name) << stage << true;
            QTest::addRow("%s, a new file", name) << stage << false;
        }
    }
    void failureKeepsOldFile()
    {
        QFETCH(WriteStage, stage);
        QFETCH(bool, existing);
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Ondaris.dat"));
        if (existing)
            QVERIFY(!WriteWholeFile(path, kOld));
        const QStringList before = Entries(dir);

        whole_file_testing::FailAt(stage);
        const std::optional<WriteFailure> failure = WriteWholeFile(path, NewContent(100));
        QVERIFY(failure);
        QCOMPARE(failure->stage, stage);
        // The system's own words for a full disk, as the user reads them in the message.
        QCOMPARE(failure->reason, qt_error_string(ENOSPC));
        QCOMPARE(Contents(path), existing ? kOld : QByteArray("(none)"));
        QCOMPARE(Entries(dir), before);
    }

    // A name read with U+FFFD for bytes that the system's encoding does not carry names
    // another file, which must not be replaced.
    void unreadableNameRefused()
    {
        const QTemporaryDir dir;
        const QString other = dir.filePath(QStringLiteral("r\uFFFD.csv"));
        QFile file(other);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kOld);
        file.close();
        const std::optional<WriteFailure> failure = WriteWholeFile(other, NewContent(10));
        QVERIFY(failure);
        QCOMPARE(failure->stage, WriteStage::Open);
        QCOMPARE(Contents(other), kOld);
    }

    // What the content's writer reports as failed (a study that cannot be serialized) is a
    // failed write.
    void fillFailureKeepsOldFile()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.svg"));
        QVERIFY(!WriteWholeFile(path, kOld));
        const std::optional<WriteFailure> failure = WriteWholeFile(path, [](QIODevice &device) {
            device.write("half");
            return false;
        });
        QVERIFY(failure);
        QCOMPARE(failure->stage, WriteStage::Write);
        QCOMPARE(Contents(path), kOld);
        QCOMPARE(Entries(dir), QStringList{QStringLiteral("page.svg")});
    }

    // A real refusal of the system, through a file size limit: a short content fails only when
    // Qt's buffer is flushed (where QSaveFile::commit() alone would rename the cut file over the
    // old one), a long one already in write().
    void systemRefusal_data()
    {
        QTest::addColumn<qsizetype>("size");
        QTest::addColumn<WriteStage>("stage");
        QTest::newRow("short, at the flush") << qsizetype(100) << WriteStage::Flush;
        QTest::newRow("long, at the write") << qsizetype(100000) << WriteStage::Write;
    }
    void systemRefusal()
    {
        QFETCH(qsizetype, size);
        QFETCH(WriteStage, stage);
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("jours.csv"));
        QVERIFY(!WriteWholeFile(path, kOld));

        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit saved = limit;
        limit.rlim_cur = 50;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        std::optional<WriteFailure> failure;
        {
            const auto restore = qScopeGuard([&] {
                setrlimit(RLIMIT_FSIZE, &saved);
                std::signal(SIGXFSZ, oldHandler);
            });
            failure = WriteWholeFile(path, NewContent(size));
        }
        QVERIFY(failure);
        QCOMPARE(failure->stage, stage);
        QCOMPARE(failure->reason, qt_error_string(EFBIG));
        QCOMPARE(Contents(path), kOld);
        QCOMPARE(Entries(dir), QStringList{QStringLiteral("jours.csv")});
    }
};

QTEST_MAIN(WholeFileTest)
#include "whole_file_test.moc"
