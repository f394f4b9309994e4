#include "app_harness.h"
#include "common/message_hook.h"
#include "lifecycle/polite_end.h"
#include "mainwindow/command_ids.h"
#include "persistence/recovery_copies.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
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
        recovery::Discard();
        QFile::remove(recovery::Folder());
    }

    void unsavedStudiesComeBackAsTheyWere();
    void answers_data();
    void answers();
    void tamperedIndex_data();
    void tamperedIndex();
    void noAnswerKeepsTheCopies_data();
    void noAnswerKeepsTheCopies();
    void aCopyThatDoesNotOpenIsKept();
    void copiesWithoutIndexEntryAreOffered_data();
    void copiesWithoutIndexEntryAreOffered();
    void aCopyTakesThePlaceOfItsStudyOpenedUnchanged();
    void aCopyNotWrittenKeepsTheStudiesOpen();
    void aCopyIsKeptBesideAnotherProgramsOnes();
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
    QVERIFY(QDir().mkpath(recovery::Folder()));
    QFile copy(QDir(recovery::Folder()).filePath(name));
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
    QVERIFY(!recovery::Pending());
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
    QVERIFY(!recovery::Pending());
}

void RecoveryTest::aCopyThatDoesNotOpenIsKept()
{
    const QString jean = WriteBiorythme(u"Jean.bio"_s, u"Jean"_s, QDate(1980, 5, 17));
    PutCopy(u"1.bio"_s, Bytes(jean));
    PutCopy(u"2.bio"_s, "not a study");
    PutIndex(R"([{"copy": "1.bio", "file": "", "title": "Biorythme1"},
                 {"copy": "2.bio", "file": "", "title": "Biorythme2"}])");
    MessageRecorder recorder(QMessageBox::Yes);
    {
        const auto app = Start();
        QVERIFY(app);
        QCOMPARE(app->Studies().Documents().size(), 1);
        QCOMPARE(recorder.texts().last(),
                 u"La copie de secours de l'étude « Biorythme2 » n'a pas été ouverte. Elle est "
                 "gardée dans « %1 » et vous sera proposée de nouveau au prochain démarrage."_s.arg(
                     QDir(recovery::Folder()).filePath(u"2.bio"_s)));
    }
    QCOMPARE(CopyNames(recovery::Read()), QStringList{u"2.bio"_s});
    QCOMPARE(recovery::Read().first().title, u"Biorythme2"_s);
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

    QCOMPARE(CopyNames(recovery::Read()), (QStringList{u"1.bio"_s, u"2.bio"_s, u"10.bio"_s}));
    QCOMPARE(recovery::Read().at(1).title, u"2.bio"_s);

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
    QVERIFY(!recovery::Pending());
}

void RecoveryTest::aCopyNotWrittenKeepsTheStudiesOpen()
{
    // No folder can be made where the copies go.
    QVERIFY(QDir().mkpath(QFileInfo(recovery::Folder()).path()));
    QFile blocker(recovery::Folder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const auto app = Start();
    QVERIFY(app);
    AnswerWizard({u"Marie"_s, QDate(1980, 2, 29), u"Paul"_s, QDate(1975, 7, 14), false});
    Trigger(*app, cmd::WizardAffinite);
    MessageRecorder recorder;
    EndBySignal(*app, SIGTERM, false);
    QVERIFY(app->MainFrame()->isVisible());
    QCOMPARE(app->Studies().Documents().size(), 1);
    QVERIFY(app->Studies().Documents().first()->IsModified());
    // Said once the loop runs again, where the user can read it.
    QTRY_COMPARE(recorder.texts(),
                 QStringList{u"Les copies de secours des études modifiées n'ont pu être écrites "
                             "dans « %1 ». Ondaris reste ouvert : enregistrez vos études."_s.arg(
                                 recovery::Folder())});
    QCOMPARE(app->Studies().Documents().size(), 1);
    QVERIFY(QFileInfo(recovery::Folder()).isFile());
}

void RecoveryTest::aCopyIsKeptBesideAnotherProgramsOnes()
{
    const auto app = Start({WriteBiorythme(u"Jean.bio"_s, u"Jean"_s, QDate(1980, 5, 17))});
    QVERIFY(app);
    CDocument *study = app->Studies().Documents().first();
    study->SetModifiedFlag();
    // Another program ending at the same moment: its copy is written, and it holds the index.
    PutCopy(u"1.bio"_s, "another program's copy");
    QLockFile other(QDir(recovery::Folder()).filePath(u"index.lock"_s));
    QVERIFY(other.lock());

    const std::optional<recovery::Copy> copy = recovery::Keep(*study);
    QVERIFY(copy);
    QCOMPARE(QFileInfo(copy->file).fileName(), u"2.bio"_s);
    QCOMPARE(Bytes(QDir(recovery::Folder()).filePath(u"1.bio"_s)),
             QByteArray("another program's copy"));
    other.unlock();
    QCOMPARE(CopyNames(recovery::Read()), (QStringList{u"1.bio"_s, u"2.bio"_s}));
}

QTEST_MAIN(RecoveryTest)
#include "recovery_test.moc"
