#include "app_harness.h"
#include "charts/curve_chart_view.h"
#include "common/message_hook.h"
#include "mainwindow/child_frame.h"
#include "mainwindow/command_ids.h"

#include <QPlainTextEdit>

using namespace harness;

namespace {

const QString kNoComment = QStringLiteral("Aucun commentaire à propos de cette courbe.");

// What a study shows of itself: its file's members (the comment shorn of the new study's text)
// and the window's average.
QString StateOf(const COndarisApp &app)
{
    const auto *study = qobject_cast<const COndarisDoc *>(app.Studies().ActiveDocument());
    const auto *view = qobject_cast<const CurveChartView *>(app.Studies().ActiveFrame()->View());
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(study->name, study->birthDate.ToQDate().toString(Qt::ISODate),
             study->startDate.ToQDate().toString(Qt::ISODate),
             QString(study->comment).remove(kNoComment),
             view->showAverage ? QStringLiteral("moyenne") : QStringLiteral("courbes"));
}

// Each edit as a user makes it: the command and what is done in its dialog.
void Edit(const COndarisApp &app, int command)
{
    switch (command) {
    case cmd::Identification:
        OnNextModal([](QDialog *identity) {
            TypeName(identity, QStringLiteral("1003"), QStringLiteral("Paulette"));
            TypeDate(identity, QStringLiteral("1002"), QDate(1990, 6, 15));
            Click(identity, QStringLiteral("1"));
        });
        break;
    case cmd::StartDate:
        OnNextModal([](QDialog *start) {
            TypeDate(start, QStringLiteral("1010"), QDate(2025, 1, 31));
            Click(start, QStringLiteral("1"));
        });
        break;
    case cmd::Comments:
        OnNextModal([](QDialog *comments) {
            auto *edit = Child<QPlainTextEdit>(comments, QStringLiteral("1548"));
            edit->setFocus();
            QTest::keyClicks(edit, QStringLiteral("Nouveau"));
            Click(comments, QStringLiteral("1"));
        });
        break;
    default:
        break;
    }
    Trigger(app, command);
}

} // namespace

class UndoTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { ResetStore(); }

    void eachEditUndoneAndRedone_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("edited");
        QTest::addColumn<bool>("modifies");
        QTest::newRow("identification")
            << int(cmd::Identification) << QStringLiteral("Identification")
            << QStringLiteral("Paulette|1990-06-15|2024-05-01||courbes") << true;
        QTest::newRow("start date")
            << int(cmd::StartDate) << QStringLiteral("Date de départ")
            << QStringLiteral("Paul|1970-03-15|2025-01-31||courbes") << true;
        QTest::newRow("comments") << int(cmd::Comments) << QStringLiteral("Commentaires")
                                  << QStringLiteral("Paul|1970-03-15|2024-05-01|Nouveau|courbes")
                                  << true;
        QTest::newRow("average") << int(cmd::Average) << QStringLiteral("Moyenne")
                                 << QStringLiteral("Paul|1970-03-15|2024-05-01||moyenne") << false;
    }
    void eachEditUndoneAndRedone()
    {
        QFETCH(int, command);
        QFETCH(QString, name);
        QFETCH(QString, edited);
        QFETCH(bool, modifies);
        const QString path =
            WriteBiorythme(QStringLiteral("paul.bio"), QStringLiteral("Paul"), QDate(1970, 3, 15));
        const auto app = Start({path});
        QVERIFY(app);
        const QString saved = StateOf(*app);
        QVERIFY(!Command(*app, cmd::EditUndo)->isEnabled());

        Edit(*app, command);
        QCOMPARE(StateOf(*app), edited);
        CDocument *study = app->Studies().ActiveDocument();
        QCOMPARE(study->IsModified(), modifies);
        QCOMPARE(Command(*app, cmd::EditUndo)->text(), QStringLiteral("&Annuler ") + name);

        PressKey(*app, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(StateOf(*app), saved);
        // Back to what the file holds: no longer modified, no star, no question at closing.
        QVERIFY(!study->IsModified());
        QTRY_VERIFY(!app->Studies().ActiveFrame()->isWindowModified());
        QCOMPARE(Command(*app, cmd::EditRedo)->text(), QStringLiteral("&Rétablir ") + name);
        QVERIFY(!Command(*app, cmd::EditUndo)->isEnabled());

        PressKey(*app, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(StateOf(*app), edited);
        QCOMPARE(study->IsModified(), modifies);
        PressKey(*app, Qt::Key_Z, Qt::ControlModifier);
        PressKey(*app, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(StateOf(*app), edited);

        MessageRecorder messages;
        Trigger(*app, cmd::FileClose);
        QCOMPARE(messages.texts().size(), modifies ? 1 : 0);
    }

    // Saving moves the clean state: undoing past it marks the study modified again, and coming
    // back clears the mark. The persons an edit registered stay in the names list.
    void cleanStateFollowsTheSave()
    {
        const QString path =
            WriteBiorythme(QStringLiteral("lou.bio"), QStringLiteral("Lou"), QDate(2000, 1, 1));
        const auto app = Start({path});
        QVERIFY(app);
        Edit(*app, cmd::Identification);
        Edit(*app, cmd::StartDate);
        Trigger(*app, cmd::FileSave);
        CDocument *study = app->Studies().ActiveDocument();
        QVERIFY(!study->IsModified());
        QVERIFY(!app->Studies().ActiveFrame()->isWindowModified());

        Trigger(*app, cmd::EditUndo);
        QVERIFY(study->IsModified());
        QCOMPARE(StateOf(*app), QStringLiteral("Paulette|1990-06-15|2024-05-01||courbes"));
        Trigger(*app, cmd::EditUndo);
        QCOMPARE(StateOf(*app), QStringLiteral("Lou|2000-01-01|2024-05-01||courbes"));
        QVERIFY(study->IsModified());
        QVERIFY(app->m_names.FindByName(QStringLiteral("Paulette")) >= 0);
        Trigger(*app, cmd::EditRedo);
        Trigger(*app, cmd::EditRedo);
        QVERIFY(!study->IsModified());

        MessageRecorder messages;
        Trigger(*app, cmd::FileClose);
        QCOMPARE(messages.texts(), QStringList{});
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
