#include "app_harness.h"
#include "common/message_hook.h"
#include "framework/doc_template.h"
#include "framework/whole_file.h"
#include "lifecycle/lost_display.h"
#include "lifecycle/polite_end.h"
#include "mainwindow/command_ids.h"
#include "persistence/recovery_copies.h"
#include "persistence/recovery_session.h"
#include "studies/study_loader.h"
#include "studies/study_types.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSessionManager>
#include <csignal>

using namespace harness;
using namespace Qt::StringLiterals;

// A signal ends the program without a question: the studies with unsaved changes are kept as
// recovery copies, and the next start offers them back.
class RecoveryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        ResetStore();
        QDir(recovery::Folder()).removeRecursively();
        QFile::remove(recovery::Folder());
        QDir(recovery::SetAsideFolder()).removeRecursively();
    }

    void unsavedStudiesComeBackAsTheyWere();
    void everyWayOfEndingKeepsTheWork_data();
    void everyWayOfEndingKeepsTheWork();
    void answers_data();
    void answers();
    void tamperedIndex_data();
    void tamperedIndex();
    void noAnswerKeepsTheCopies_data();
    void noAnswerKeepsTheCopies();
    void aCopyThatDoesNotReadIsSetAsideOnce();
    void theNewestCopyOfAStudyWins();
    void copiesWithoutIndexEntryAreOffered_data();
    void copiesWithoutIndexEntryAreOffered();
    void aCopyTakesThePlaceOfItsStudyOpenedUnchanged();
    void aCopyNotWrittenKeepsTheStudiesOpen_data();
    void aCopyNotWrittenKeepsTheStudiesOpen();
    void anotherProgramsCopiesAreLeftAlone();
};

namespace {

// As main does it: the signal comes while a dialog is open, leaves every loop, and the window
// then closes without a question.
void EndBySignal(COndarisApp &app, int number, bool copiesWritten = true)
{
    PoliteEnd end;
    QObject::connect(&end, &PoliteEnd::requested, []() { QCoreApplication::exit(0); });
    OnNextModal([number](QDialog *) { std::raise(number); });
    QTimer::singleShot(0, &app, [&app]() { Trigger(app, cmd::Calendar); });
    QCoreApplication::exec();
    QVERIFY(end.IsRequested());
    QCOMPARE(app.CloseWithoutQuestions(), copiesWritten);
}

// A copy left in the recovery folder as a former end left it, with or without its entry.
void PutCopy(const QString &name, const QByteArray &bytes)
{
    const QString path = QDir(recovery::Folder()).filePath(name);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile copy(path);
    QVERIFY(copy.open(QIODevice::WriteOnly));
    copy.write(bytes);
}

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void PutIndex(const QByteArray &json)
{
    PutCopy(u"index.json"_s, json);
}

QStringList CopyNames(const QList<recovery::Copy> &copies)
{
    QStringList names;
    for (const recovery::Copy &copy : copies)
        names << QFileInfo(copy.file).fileName();
    return names;
}

// What a start would offer now: the copies of programs that are gone.
QStringList Offered()
{
    const recovery::Orphans orphans;
    return CopyNames(orphans.Copies());
}

// The user leaves the studies without saving them, as "Non" to the question does.
void DropChanges(COndarisApp &app)
{
    for (CDocument *study : app.Studies().Documents())
        study->SetModifiedFlag(false);
}

// One untitled study left behind by a signal.
void LeaveAnUntitledStudy()
{
    const auto app = Start();
    QVERIFY(app);
    AnswerWizard({u"Marie"_s, QDate(1980, 2, 29), u"Paul"_s, QDate(1975, 7, 14), false});
    Trigger(*app, cmd::WizardAffinite);
    QCOMPARE(app->Studies().Documents().size(), 1);
    EndBySignal(*app, SIGTERM);
}

} // namespace

void RecoveryTest::unsavedStudiesComeBackAsTheyWere()
{
    const QString changed = WriteBiorythme(u"Jean.bio"_s, u"Jean"_s, QDate(1980, 5, 17));
    const QString unchanged = WriteBiorythme(u"Anne.bio"_s, u"Anne"_s, QDate(1990, 1, 2));
    {
        const auto app = Start({changed, unchanged});
        QVERIFY(app);
        auto *jean = static_cast<COndarisDoc *>(app->Studies().Documents().first());
        jean->name = u"Jeanne"_s;
        jean->SetModifiedFlag();
        AnswerWizard({u"Marie"_s, QDate(1980, 2, 29), u"Paul"_s, QDate(1975, 7, 14), false});
        Trigger(*app, cmd::WizardAffinite);

        MessageRecorder noQuestion;
        EndBySignal(*app, SIGINT);
        QCOMPARE(noQuestion.texts(), QStringList());
        QVERIFY(!app->MainFrame()->isVisible());
        QTRY_VERIFY(app->Studies().Documents().isEmpty());
    }
    QVERIFY(recovery::Pending());

    MessageRecorder recorder(QMessageBox::Yes);
    const auto app = Start();
    QVERIFY(app);
    QCOMPARE(recorder.texts(),
             QStringList{u"Ondaris a été arrêté sans que ces études soient enregistrées :\n"
                         "« Jean.bio »\n« Affinité1 »\n"
                         "Une copie de secours de chacune a été gardée.\n\n"
                         "Voulez-vous les récupérer ?"_s});
    const messages::Shown &offer = recorder.shown().first();
    QCOMPARE(offer.named.size(), 2);
    QCOMPARE(offer.named.at(0).button, QMessageBox::Yes);
    QCOMPARE(offer.named.at(0).text, u"Récupérer"_s);
    QCOMPARE(offer.named.at(1).button, QMessageBox::No);
    QCOMPARE(offer.named.at(1).text, u"Ignorer"_s);

    // Saving goes where it would have gone: the study's own file, or a name to choose.
    const QList<CDocument *> studies = app->Studies().Documents();
    QCOMPARE(studies.size(), 2);
    QCOMPARE(studies.at(0)->GetPathName(), changed);
    QCOMPARE(studies.at(0)->GetTitle(), u"Jean.bio"_s);
    QCOMPARE(static_cast<COndarisDoc *>(studies.at(0))->name, u"Jeanne"_s);
    QCOMPARE(studies.at(1)->GetPathName(), QString());
    QCOMPARE(studies.at(1)->GetTitle(), u"Affinité1"_s);
    QCOMPARE(static_cast<COndarisDoc3 *>(studies.at(1))->name2, u"Paul"_s);
    for (const CDocument *study : studies)
        QVERIFY(study->IsModified());
    QCOMPARE(app->MainFrame()->windowTitle(), u"Ondaris 3 - Affinité1"_s);
    QCOMPARE(Offered(), QStringList());
}

namespace {

enum class Way { Signal, DisplayLost, SessionSaveRequest, BackgroundCopy };

// The copies kept anywhere under the recovery folder, this program's own included.
QStringList KeptStudies()
{
    QStringList names;
    QDirIterator copies(recovery::Folder(), {u"*.bio"_s}, QDir::Files,
                        QDirIterator::Subdirectories);
    while (copies.hasNext()) {
        const LoadedStudy study = LoadStudy(copies.next());
        if (study.document)
            names << static_cast<COndarisDoc *>(study.document.get())->name;
    }
    return names;
}

// The files of the recovery folder that a kill now would leave and that do not read: none may
// be, whatever failed.
QStringList Unreadable()
{
    QStringList names;
    QDirIterator files(recovery::Folder(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QFileInfo file(files.next());
        if (file.fileName() != u"index.json"_s && file.suffix() != u"lock"_s &&
            !LoadStudy(file.filePath()).document)
            names << file.fileName();
    }
    return names;
}

} // namespace

void RecoveryTest::everyWayOfEndingKeepsTheWork_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("namesWritten");
    QTest::newRow("SIGTERM (a logout, kill)") << int(Way::Signal) << SIGTERM << true;
    QTest::newRow("SIGINT (Ctrl+C)") << int(Way::Signal) << SIGINT << true;
    QTest::newRow("SIGHUP (a closed terminal)") << int(Way::Signal) << SIGHUP << true;
    QTest::newRow("SIGQUIT (Ctrl+\\)") << int(Way::Signal) << SIGQUIT << true;
    QTest::newRow("the display lost") << int(Way::DisplayLost) << 0 << true;
    QTest::newRow("the session's save request") << int(Way::SessionSaveRequest) << 0 << true;
    // What a power cut or kill -9 finds: the copy written a few seconds after the change.
    QTest::newRow("the background copy") << int(Way::BackgroundCopy) << 0 << false;
}

void RecoveryTest::everyWayOfEndingKeepsTheWork()
{
    QFETCH(int, kind);
    const auto way = Way(kind);
    QFETCH(int, signal);
    QFETCH(bool, namesWritten);
    const QString jean = WriteBiorythme(u"Jean.bio"_s, u"Jean"_s, QDate(1980, 5, 17));
    {
        const auto app = Start({jean});
        QVERIFY(app);
        auto *study = static_cast<COndarisDoc *>(app->Studies().Documents().first());
        study->name = u"Jeanne"_s;
        study->SetModifiedFlag();
        study->UpdateAllViews();
        MessageRecorder noQuestion;
        switch (way) {
        case Way::Signal:
            EndBySignal(*app, signal);
            break;
        case Way::DisplayLost: {
            const LostDisplay lost([&app]() { app->KeepWork(); });
            qWarning("The X11 connection broke (error 1). Did the X11 server die?");
            break;
        }
        case Way::SessionSaveRequest: {
            auto *manager = qApp->findChild<QSessionManager *>();
            QVERIFY(manager);
            Q_EMIT qApp->commitDataRequest(*manager);
            break;
        }
        case Way::BackgroundCopy:
            QTRY_COMPARE_WITH_TIMEOUT(KeptStudies(), QStringList{u"Jeanne"_s}, 15000);
            break;
        }
        QCOMPARE(noQuestion.texts(), QStringList());
        QCOMPARE(KeptStudies(), QStringList{u"Jeanne"_s});
        if (way != Way::Signal) {
            // Written at once, as no end may follow.
            QCOMPARE(QFile::exists(u"Ondaris.dat"_s), namesWritten);
            DropChanges(*app);
            return;
        }
    }
    // Written at the end, as "Quitter" does.
    QVERIFY(QFile::exists(u"Ondaris.dat"_s));
    QCOMPARE(Offered(), QStringList{u"1.bio"_s});
}

void RecoveryTest::answers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("studies");
    QTest::addColumn<bool>("offeredAgain");
    QTest::newRow("Récupérer") << int(QMessageBox::Yes) << 1 << false;
    QTest::newRow("Ignorer") << int(QMessageBox::No) << 0 << false;
    QTest::newRow("no answer: a signal during the offer")
        << int(QMessageBox::NoButton) << 0 << true;
}

void RecoveryTest::answers()
{
    QFETCH(int, answer);
    QFETCH(int, studies);
    QFETCH(bool, offeredAgain);
    LeaveAnUntitledStudy();

    MessageRecorder recorder{QMessageBox::StandardButton(answer)};
    {
        const auto app = Start();
        QVERIFY(app);
        QCOMPARE(recorder.texts(),
                 QStringList{u"Ondaris a été arrêté sans que l'étude « Affinité1 » soit "
                             "enregistrée. Une copie de secours en a été gardée.\n\n"
                             "Voulez-vous la récupérer ?"_s});
        QCOMPARE(app->Studies().Documents().size(), studies);
        DropChanges(*app);
    }
    QCOMPARE(recovery::Pending(), offeredAgain);
    const auto again = Start();
    QVERIFY(again);
    QCOMPARE(recorder.shown().size(), offeredAgain ? 2 : 1);
}

void RecoveryTest::tamperedIndex_data()
{
    QTest::addColumn<QString>("copy"); // the copy's name in the index

    QTest::newRow("beside the folder") << u"../ailleurs.bio"_s;
    QTest::newRow("an absolute path") << QDir::current().absoluteFilePath(u"ailleurs.bio"_s);
    QTest::newRow("empty") << QString();
    QTest::newRow("the folder itself") << u"."_s;
    QTest::newRow("the folder above") << u".."_s;
}

// Only a file of the folder itself is offered back, however the index was edited: a study
// elsewhere is neither offered nor opened, nor removed with the copies.
void RecoveryTest::tamperedIndex()
{
    QFETCH(QString, copy);
    const QDir folder(recovery::Folder());
    QVERIFY(folder.mkpath(u"."_s));
    // A study where the entry points, when it names one.
    const QString elsewhere =
        copy.endsWith(u".bio"_s) ? QDir::cleanPath(folder.absoluteFilePath(copy)) : QString();
    if (!elsewhere.isEmpty())
        WriteBiorythme(elsewhere, u"Ailleurs"_s, QDate(1980, 5, 17));
    QFile index(folder.filePath(u"index.json"_s));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write(
        QJsonDocument(QJsonArray{QJsonObject{
                          {u"copy"_s, copy}, {u"file"_s, QString()}, {u"title"_s, u"Ailleurs"_s}}})
            .toJson());
    index.close();
    QVERIFY(recovery::Pending());

    MessageRecorder recorder(QMessageBox::Yes);
    const auto app = Start();
    QVERIFY(app);
    QCOMPARE(recorder.texts(), QStringList());
    QVERIFY(app->Studies().Documents().isEmpty());
    QVERIFY(!recovery::Pending());
    if (!elsewhere.isEmpty())
        QVERIFY(QFile::exists(elsewhere));
}

void RecoveryTest::noAnswerKeepsTheCopies_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Escape") << true;
    QTest::newRow("the close box") << false;
}

void RecoveryTest::noAnswerKeepsTheCopies()
{
    QFETCH(bool, escape);
    LeaveAnUntitledStudy();
    // The real box, as the user sees it: a stray key must not drop the only copy.
    bool answered = false;
    OnNextModal([&](QDialog *box) {
        QCOMPARE(box->windowTitle(), u"Ondaris"_s);
        if (escape)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close();
        answered = true;
    });
    {
        const auto app = Start();
        QVERIFY(app);
        QVERIFY(answered);
        QVERIFY(app->Studies().Documents().isEmpty());
    }
    QVERIFY(recovery::Pending());
    MessageRecorder recorder(QMessageBox::Yes);
    const auto again = Start();
    QVERIFY(again);
    QCOMPARE(recorder.shown().size(), 1);
    QCOMPARE(again->Studies().Documents().size(), 1);
    QCOMPARE(Offered(), QStringList());
}

// A copy cut short (a kill while it was written, a damaged disk) would fail at every start: it
// is moved out of the way once, said where, and never offered.
void RecoveryTest::aCopyThatDoesNotReadIsSetAsideOnce()
{
    const QString jean = WriteBiorythme(u"Jean.bio"_s, u"Jean"_s, QDate(1980, 5, 17));
    PutCopy(u"1.bio"_s, Bytes(jean));
    PutCopy(u"2.bio"_s, QByteArray());
    PutIndex(R"([{"copy": "1.bio", "file": "", "title": "Biorythme1"},
                 {"copy": "2.bio", "file": "", "title": "Biorythme2"}])");
    const QString aside = QDir(recovery::SetAsideFolder()).filePath(u"Biorythme2.bio"_s);
    MessageRecorder recorder(QMessageBox::Yes);
    {
        const auto app = Start();
        QVERIFY(app);
        QCOMPARE(recorder.texts(),
                 (QStringList{u"Cette copie de secours est illisible et ne vous sera plus "
                              "proposée :\n« Biorythme2 », mise de côté dans « %1 »"_s.arg(aside),
                              u"Ondaris a été arrêté sans que l'étude « Biorythme1 » soit "
                              "enregistrée. Une copie de secours en a été gardée.\n\n"
                              "Voulez-vous la récupérer ?"_s}));
        QCOMPARE(app->Studies().Documents().size(), 1);
        DropChanges(*app);
    }
    QCOMPARE(Bytes(aside), QByteArray());
    QVERIFY(QFile::exists(aside));
    const auto again = Start();
    QVERIFY(again);
    QCOMPARE(recorder.shown().size(), 2);
    QVERIFY(!recovery::Pending());
}

// Two programs ended on the same study, or one twice before an answer: the newest changes are
// offered, and the older copies go with them.
void RecoveryTest::theNewestCopyOfAStudyWins()
{
    const QString jean = WriteBiorythme(u"Jean.bio"_s, u"Jean"_s, QDate(1980, 5, 17));
    const QString older = WriteBiorythme(u"older.bio"_s, u"Jeanne"_s, QDate(1980, 5, 17));
    const QString newer = WriteBiorythme(u"newer.bio"_s, u"Jeannette"_s, QDate(1980, 5, 17));
    const QByteArray entry =
        QJsonDocument(QJsonArray{QJsonObject{
                          {u"copy"_s, u"1.bio"_s}, {u"file"_s, jean}, {u"title"_s, u"Jean.bio"_s}}})
            .toJson();
    // The newer first on disk, under the name that sorts first: its time decides.
    for (const auto &[program, source, age] :
         {std::tuple{u"100-1"_s, newer, 0}, std::tuple{u"200-1"_s, older, 3600}}) {
        PutCopy(program + u"/1.bio"_s, Bytes(source));
        PutCopy(program + u"/index.json"_s, entry);
        QFile copy(QDir(recovery::Folder()).filePath(program + u"/1.bio"_s));
        QVERIFY(copy.open(QIODevice::ReadWrite));
        QVERIFY(copy.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                                 QFileDevice::FileModificationTime));
    }
    MessageRecorder recorder(QMessageBox::Yes);
    const auto app = Start();
    QVERIFY(app);
    QCOMPARE(recorder.texts(),
             QStringList{u"Ondaris a été arrêté sans que l'étude « Jean.bio » soit enregistrée. "
                         "Une copie de secours en a été gardée.\n\n"
                         "Voulez-vous la récupérer ?"_s});
    QCOMPARE(app->Studies().Documents().size(), 1);
    QCOMPARE(static_cast<COndarisDoc *>(app->Studies().Documents().first())->name, u"Jeannette"_s);
    QCOMPARE(Offered(), QStringList());
    for (const QString &program : {u"100-1"_s, u"200-1"_s})
        QVERIFY(!QFileInfo::exists(QDir(recovery::Folder()).filePath(program)));
}

void RecoveryTest::copiesWithoutIndexEntryAreOffered_data()
{
    QTest::addColumn<QByteArray>("index");
    QTest::newRow("no index") << QByteArray();
    QTest::newRow("an index without its entry")
        << QByteArray(R"([{"copy": "1.bio", "file": "", "title": "Biorythme1"}])");
}

void RecoveryTest::copiesWithoutIndexEntryAreOffered()
{
    QFETCH(QByteArray, index);
    // As an end leaves them when the index cannot be written: copies, and what the index knew.
    const QString anne = WriteBiorythme(u"Anne.bio"_s, u"Anne"_s, QDate(1990, 1, 2));
    for (const QString &name : {u"1.bio"_s, u"2.bio"_s, u"10.bio"_s})
        PutCopy(name, Bytes(anne));
    if (!index.isEmpty())
        PutIndex(index);
    // What Qt leaves of a copy whose writing was cut short is no copy, nor a file of another name.
    for (const QString &name : {u"3.bio.aBcDeF"_s, u"04.bio"_s, u"notes.txt"_s, u"5."_s})
        PutCopy(name, "half");

    {
        const recovery::Orphans orphans;
        QCOMPARE(CopyNames(orphans.Copies()), (QStringList{u"1.bio"_s, u"2.bio"_s, u"10.bio"_s}));
        QCOMPARE(orphans.Copies().at(1).title, u"2.bio"_s);
    }

    MessageRecorder recorder(QMessageBox::No);
    {
        const auto app = Start();
        QVERIFY(app);
        QCOMPARE(recorder.shown().size(), 1);
        QVERIFY(recorder.texts().first().contains(u"« 2.bio »\n« 10.bio »"_s));
    }
    // "Ignorer" leaves none of them behind.
    QVERIFY(!recovery::Pending());
}

void RecoveryTest::aCopyTakesThePlaceOfItsStudyOpenedUnchanged()
{
    const QString jean = WriteBiorythme(u"Jean.bio"_s, u"Jean"_s, QDate(1980, 5, 17));
    WriteBiorythme(u"changed.bio"_s, u"Jeanne"_s, QDate(1980, 5, 17));
    PutCopy(u"1.bio"_s, Bytes(u"changed.bio"_s));
    PutIndex(
        QJsonDocument(QJsonArray{QJsonObject{
                          {u"copy"_s, u"1.bio"_s}, {u"file"_s, jean}, {u"title"_s, u"Jean.bio"_s}}})
            .toJson());
    MessageRecorder recorder(QMessageBox::Yes);
    const auto app = Start({jean});
    QVERIFY(app);
    QTRY_COMPARE(app->Studies().Documents().size(), 1);
    auto *study = static_cast<COndarisDoc *>(app->Studies().Documents().first());
    QCOMPARE(study->name, u"Jeanne"_s);
    QCOMPARE(study->GetPathName(), jean);
    QVERIFY(study->IsModified());
    QCOMPARE(app->Studies().FramesOf(*study).size(), 1);
    QCOMPARE(Offered(), QStringList());
}

void RecoveryTest::aCopyNotWrittenKeepsTheStudiesOpen_data()
{
    QTest::addColumn<bool>("noFolder");
    QTest::newRow("no folder can be made") << true;
    QTest::newRow("the copy's write fails (a full disk)") << false;
}

void RecoveryTest::aCopyNotWrittenKeepsTheStudiesOpen()
{
    QFETCH(bool, noFolder);
    if (noFolder) {
        QVERIFY(QDir().mkpath(QFileInfo(recovery::Folder()).path()));
        QFile blocker(recovery::Folder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    {
        const auto app = Start();
        QVERIFY(app);
        AnswerWizard({u"Marie"_s, QDate(1980, 2, 29), u"Paul"_s, QDate(1975, 7, 14), false});
        Trigger(*app, cmd::WizardAffinite);
        MessageRecorder recorder;
        whole_file_testing::FailAt(WriteStage::Write);
        EndBySignal(*app, SIGTERM, false);
        whole_file_testing::FailAt(std::nullopt);
        QVERIFY(app->MainFrame()->isVisible());
        QCOMPARE(app->Studies().Documents().size(), 1);
        QVERIFY(app->Studies().Documents().first()->IsModified());
        // Said once the loop runs again, where the user can read it.
        QTRY_COMPARE(recorder.texts(),
                     QStringList{u"Les copies de secours des études modifiées n'ont pu être "
                                 "écrites dans « %1 ». Ondaris reste ouvert : enregistrez vos "
                                 "études."_s.arg(recovery::Folder())});
        QCOMPARE(app->Studies().Documents().size(), 1);
        QCOMPARE(QFileInfo(recovery::Folder()).isFile(), noFolder);
        // What a kill would leave now.
        QCOMPARE(Unreadable(), QStringList());
        DropChanges(*app);
    }
    // Nothing half-written waits to be offered, nor to be set aside.
    const recovery::Orphans orphans;
    QCOMPARE(CopyNames(orphans.Copies()), QStringList());
    QCOMPARE(orphans.SetAsideNow().size(), 0);
    QVERIFY(!QFileInfo(recovery::SetAsideFolder()).exists());
}

// Another program running keeps its copies in a folder of its own: a start neither offers nor
// removes them, and this program's end leaves them as they were.
void RecoveryTest::anotherProgramsCopiesAreLeftAlone()
{
    const QString jean = WriteBiorythme(u"Jean.bio"_s, u"Jean"_s, QDate(1980, 5, 17));
    const QString anne = WriteBiorythme(u"Anne.bio"_s, u"Anne"_s, QDate(1990, 1, 2));
    LoadedStudy theirs = LoadStudy(anne);
    QVERIFY(theirs.document);
    const StudyType &biorythme = StudyTypes().front();
    CDocTemplate theirType(biorythme.resourceId, biorythme.description, nullptr);
    theirs.document->SetDocTemplate(&theirType);
    auto other = std::make_unique<recovery::Session>();
    QVERIFY(other->Keep(*theirs.document));
    const QString theirCopy = other->CopyOf(*theirs.document);
    const QByteArray theirBytes = Bytes(theirCopy);
    QVERIFY(!theirBytes.isEmpty());

    MessageRecorder recorder(QMessageBox::No);
    {
        const auto app = Start({jean});
        QVERIFY(app);
        QCOMPARE(recorder.texts(), QStringList());
        app->Studies().Documents().first()->SetModifiedFlag();
        EndBySignal(*app, SIGTERM);
        QCOMPARE(Offered(), QStringList());
    }
    // This program gone, its copy waits; the other's, still running, is not offered.
    QCOMPARE(Offered(), QStringList{u"1.bio"_s});
    {
        const auto again = Start();
        QVERIFY(again);
        QCOMPARE(recorder.shown().size(), 1);
    }
    QCOMPARE(Offered(), QStringList());
    QCOMPARE(Bytes(theirCopy), theirBytes);
    // Once it is gone too, its copy is offered.
    other.reset();
    QCOMPARE(Offered(), QStringList{u"1.bio"_s});
}

QTEST_MAIN(RecoveryTest)
#include "recovery_test.moc"
