#include "app/command_ids.h"
#include "app/polite_end.h"
#include "app/recovery_copies.h"
#include "app_harness.h"
#include "common/message_hook.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
    }

    void unsavedStudiesComeBackAsTheyWere();
    void answers_data();
    void answers();
    void tamperedIndex_data();
    void tamperedIndex();
};

namespace {

// As main does it: the signal comes while a dialog is open, leaves every loop, and the window
// then closes without a question.
void EndBySignal(COndarisApp &app, int number)
{
    PoliteEnd end;
    QObject::connect(&end, &PoliteEnd::requested, []() { QCoreApplication::exit(0); });
    OnNextModal([number](QDialog *) { std::raise(number); });
    QTimer::singleShot(0, &app, [&app]() { Trigger(app, cmd::Calendar); });
    QCoreApplication::exec();
    QVERIFY(end.IsRequested());
    app.CloseWithoutQuestions();
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

QTEST_MAIN(RecoveryTest)
#include "recovery_test.moc"
