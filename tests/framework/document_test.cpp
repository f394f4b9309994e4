#include "common/file_bytes.h"
#include "common/message_hook.h"
#include "framework/archive.h"
#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/file_messages.h"
#include "framework/whole_file.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

namespace {

// A document of one number, which can be told to cancel its creation or to fail half-way
// through writing.
class NumberDoc : public CDocument
{
public:
    qint32 number = 0;
    bool cancelCreation = false;
    bool failWriting = false;

    bool OnNewDocument() override { return !cancelCreation; }
    void Serialize(CArchive &ar) override
    {
        if (ar.IsLoading()) {
            const qint32 read = ar.ReadInt32();
            if (ar.ok())
                number = read;
            return;
        }
        ar.WriteInt32(number);
        if (failWriting)
            ar.SetError(CArchive::Error::Device);
    }
    void OnEditPersons() override {}
};

const QString kDescription =
    QStringLiteral("\nBiorythme\nBiorythme\nBiorythmes  (*.bio)\n.bio\nBiorythme.Document\n"
                   "Biorythme.Document");

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

class DocumentTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void descriptionFields();
    void untitledCountAdvancesOnlyOnSuccess();
    void openSetsPathTitleAndClearsModified();
    void openFailures_data();
    void openFailures();
    void saveWritesAndTakesTheFileName();
    void failedSaveKeepsOldFileAndModified_data();
    void failedSaveKeepsOldFileAndModified();
    void signals();

private:
    QTemporaryDir m_dir;
};

void DocumentTest::descriptionFields()
{
    const CDocTemplate bio(129, kDescription, {});
    QCOMPARE(bio.GetResourceId(), 129);
    QCOMPARE(bio.GetDocString(CDocTemplate::windowTitle), QString());
    QCOMPARE(bio.GetDocString(CDocTemplate::docName), QStringLiteral("Biorythme"));
    QCOMPARE(bio.GetDocString(CDocTemplate::fileNewName), QStringLiteral("Biorythme"));
    QCOMPARE(bio.GetDocString(CDocTemplate::filterName), QStringLiteral("Biorythmes  (*.bio)"));
    QCOMPARE(bio.GetDocString(CDocTemplate::filterExt), QStringLiteral(".bio"));
    QCOMPARE(bio.GetDocString(CDocTemplate::regFileTypeId), QStringLiteral("Biorythme.Document"));
    QCOMPARE(bio.GetDocString(CDocTemplate::regFileTypeName), QStringLiteral("Biorythme.Document"));
    const CDocTemplate shorter(1, QStringLiteral("\nNom"), {});
    QCOMPARE(shorter.GetDocString(CDocTemplate::filterExt), QString());
}

void DocumentTest::untitledCountAdvancesOnlyOnSuccess()
{
    bool cancel = false;
    CDocTemplate bio(129, kDescription, [&cancel] {
        auto doc = std::make_unique<NumberDoc>();
        doc->cancelCreation = cancel;
        return doc;
    });
    auto first = bio.CreateNewDocument();
    QVERIFY(first);
    QCOMPARE(first->GetTitle(), QStringLiteral("Biorythme1"));
    QCOMPARE(first->GetDocTemplate(), &bio);
    QCOMPARE(first->GetPathName(), QString());

    cancel = true;
    QVERIFY(!bio.CreateNewDocument());
    QVERIFY(!bio.CreateNewDocument());

    cancel = false;
    QCOMPARE(bio.CreateNewDocument()->GetTitle(), QStringLiteral("Biorythme2"));
    // Each type counts its own studies.
    CDocTemplate other(130, QStringLiteral("\nCompatibilité"),
                       [] { return std::make_unique<NumberDoc>(); });
    QCOMPARE(other.CreateNewDocument()->GetTitle(), QStringLiteral("Compatibilité1"));
}

void DocumentTest::openSetsPathTitleAndClearsModified()
{
    const QString path = m_dir.filePath(QStringLiteral("sept.bio"));
    WriteFile(path, QByteArray::fromHex("07000000"));
    CDocTemplate bio(129, kDescription, [] { return std::make_unique<NumberDoc>(); });
    MessageRecorder recorder;
    auto doc = bio.OpenDocumentFile(path, nullptr);
    QVERIFY(doc);
    QVERIFY(recorder.shown().isEmpty());
    QCOMPARE(static_cast<NumberDoc *>(doc.get())->number, 7);
    QCOMPARE(doc->GetPathName(), path);
    QCOMPARE(doc->GetTitle(), QStringLiteral("sept.bio"));
    QVERIFY(!doc->IsModified());
    QCOMPARE(doc->GetDocTemplate(), &bio);
}

void DocumentTest::openFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QStringLiteral("absent.bio") << QByteArray()
                             << file_messages::OpenFailed();
    QTest::newRow("directory") << QString() << QByteArray() << file_messages::OpenFailed();
    QTest::newRow("empty") << QStringLiteral("vide.bio") << QByteArray("")
                           << file_messages::UnexpectedFormat();
    QTest::newRow("short") << QStringLiteral("court.bio") << QByteArray("\x07\x00", 2)
                           << file_messages::UnexpectedFormat();
}

void DocumentTest::openFailures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString path = name.isEmpty() ? m_dir.path() : m_dir.filePath(name);
    if (!bytes.isNull())
        WriteFile(path, bytes);

    CDocTemplate bio(129, kDescription, [] { return std::make_unique<NumberDoc>(); });
    MessageRecorder recorder;
    QVERIFY(!bio.OpenDocumentFile(path, nullptr));
    QCOMPARE(recorder.texts(), QStringList{message});
    QCOMPARE(recorder.shown().first().icon, QMessageBox::Warning);

    // A document that fails to read keeps what it had.
    NumberDoc doc;
    doc.SetTitle(QStringLiteral("Biorythme1"));
    doc.SetModifiedFlag();
    QCOMPARE(doc.ReadFile(path), message);
    QCOMPARE(doc.GetTitle(), QStringLiteral("Biorythme1"));
    QCOMPARE(doc.GetPathName(), QString());
    QVERIFY(doc.IsModified());
}

void DocumentTest::saveWritesAndTakesTheFileName()
{
    NumberDoc doc;
    doc.number = 0x01020304;
    doc.SetTitle(QStringLiteral("Biorythme1"));
    doc.SetModifiedFlag();
    const QString path = m_dir.filePath(QStringLiteral("étude écrite.bio"));
    MessageRecorder recorder;
    QVERIFY(doc.OnSaveDocument(path, nullptr));
    QVERIFY(recorder.shown().isEmpty());
    QCOMPARE(Contents(path), QByteArray::fromHex("04030201"));
    QCOMPARE(doc.GetTitle(), QStringLiteral("étude écrite.bio"));
    QCOMPARE(doc.GetPathName(), path);
    QVERIFY(!doc.IsModified());
}

void DocumentTest::failedSaveKeepsOldFileAndModified_data()
{
    QTest::addColumn<bool>("intoDirectory");
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("writing fails half-way") << false << false;
    QTest::newRow("the path is a directory") << true << false;
    QTest::newRow("the disk fills when the buffer is flushed") << false << true;
}

void DocumentTest::failedSaveKeepsOldFileAndModified()
{
    QFETCH(bool, intoDirectory);
    QFETCH(bool, diskFull);
    const QTemporaryDir dir;
    const QString path = intoDirectory ? dir.path() : dir.filePath(QStringLiteral("ancien.bio"));
    if (!intoDirectory)
        WriteFile(path, "old contents");
    const QStringList entries = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
    NumberDoc doc;
    doc.failWriting = !intoDirectory && !diskFull;
    doc.SetTitle(QStringLiteral("Biorythme1"));
    doc.SetModifiedFlag();

    MessageRecorder recorder;
    if (diskFull)
        whole_file_testing::FailAt(WriteStage::Flush);
    const bool saved = doc.OnSaveDocument(path, nullptr);
    whole_file_testing::FailAt(std::nullopt);
    QVERIFY(!saved);
    // The described line, then where and why.
    QCOMPARE(recorder.texts().size(), 1);
    const QString where = QStringLiteral("Impossible d'écrire « %1 » : ").arg(path);
    QCOMPARE(recorder.texts().first().section(u'\n', 0, 0), file_messages::SaveFailed());
    const QString second = recorder.texts().first().section(u'\n', 1);
    QVERIFY2(second.startsWith(where) && second.size() > where.size(), qPrintable(second));
    if (diskFull)
        QCOMPARE(second, where + qt_error_string(ENOSPC));
    QCOMPARE(recorder.shown().first().icon, QMessageBox::Warning);
    QVERIFY(doc.IsModified());
    QCOMPARE(doc.GetTitle(), QStringLiteral("Biorythme1"));
    QCOMPARE(doc.GetPathName(), QString());
    if (!intoDirectory)
        QCOMPARE(Contents(path), QByteArray("old contents"));
    // No temporary file is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), entries);
}

void DocumentTest::signals()
{
    NumberDoc doc;
    QSignalSpy modified(&doc, &CDocument::modifiedChanged);
    QSignalSpy title(&doc, &CDocument::titleChanged);
    QSignalSpy views(&doc, &CDocument::allViewsUpdate);

    doc.SetModifiedFlag();
    doc.SetModifiedFlag();
    doc.SetModifiedFlag(false);
    QCOMPARE(modified.size(), 2);
    QCOMPARE(modified.at(0).at(0).toBool(), true);
    QCOMPARE(modified.at(1).at(0).toBool(), false);

    doc.SetPathName(QStringLiteral("/tmp/un/deux.aff"));
    QCOMPARE(title.size(), 1);
    QCOMPARE(title.at(0).at(0).toString(), QStringLiteral("deux.aff"));

    doc.UpdateAllViews();
    QCOMPARE(views.size(), 1);
}

QTEST_MAIN(DocumentTest)
#include "document_test.moc"
