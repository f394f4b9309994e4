#include "app_harness.h"
#include "charts/curve_chart_view.h"
#include "common/message_hook.h"
#include "framework/doc_template.h"
#include "mainwindow/child_frame.h"
#include "mainwindow/command_ids.h"
#include "persistence/recent_files.h"

#include <QFileDialog>
#include <QListView>
#include <QMdiArea>
#include <QMimeData>
#include <QPlainTextEdit>

using namespace harness;

// Studies from the user's side: creating each type, editing, more windows, closing with
// unsaved changes, the recent files and dropped files.
class StudiesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ResetStore(); }

    void ctrlNAsksForTheType_data();
    void ctrlNAsksForTheType();
    void assistantsCreateTheirType_data();
    void assistantsCreateTheirType();
    void cancellingLeavesNoWindow_data();
    void cancellingLeavesNoWindow();
    void editsThroughMenusAndContextMenu();
    void secondWindowFollowsTheStudy();
    void closingAModifiedStudy_data();
    void closingAModifiedStudy();
    void savingANewStudyAsksForItsName();
    void quittingAsksAboutEachModifiedStudy();
    void openStudyComesToTheFront();
    void recentFiles();
    void recentFileThatIsGone();
    void abbreviatedPaths_data();
    void abbreviatedPaths();
    void droppedFiles();
};

namespace {

const QDate kBirth1(1982, 4, 12);
const QDate kBirth2(1979, 11, 3);

WizardAnswers AnswersFor(const QString &docName)
{
    WizardAnswers answers{.name1 = QStringLiteral("Éric"), .birth1 = kBirth1};
    if (docName != QStringLiteral("Biorythme")) {
        answers.name2 = QStringLiteral("Inès");
        answers.birth2 = kBirth2;
    }
    answers.hasStartStep = docName != QStringLiteral("Affinité");
    return answers;
}

QString DocName(const CDocument *document)
{
    return document ? document->GetDocTemplate()->GetDocString(CDocTemplate::docName) : QString();
}

// Picks the row of the type list that Ctrl+N shows, or cancels it (row -1).
void AnswerTypeList(int row, QStringList *shown)
{
    OnNextModal([row, shown](QDialog *dialog) {
        auto *list = dialog->findChild<QListView *>();
        for (int i = 0; i < list->model()->rowCount(); ++i)
            *shown << list->model()->index(i, 0).data().toString();
        if (row < 0) {
            QTest::keyClick(list, Qt::Key_Escape);
            return;
        }
        list->setFocus();
        const QRect item = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        QTest::keyClick(list, Qt::Key_Return);
    });
}

// Types the name into the save dialog and confirms it.
void AnswerSaveDialog(const QString &name)
{
    OnNextModal([name](QDialog *dialog) {
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

QImage Shot(const CChildFrame *frame)
{
    return frame->View()->viewport()->grab().toImage();
}

} // namespace

void StudiesTest::ctrlNAsksForTheType_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("docName");
    QTest::newRow("Biorythme") << 0 << QStringLiteral("Biorythme");
    QTest::newRow("Compatibilité") << 1 << QStringLiteral("Compatibilité");
    QTest::newRow("Affinité") << 2 << QStringLiteral("Affinité");
}

void StudiesTest::ctrlNAsksForTheType()
{
    QFETCH(int, row);
    QFETCH(QString, docName);
    const auto app = Start();
    QVERIFY(app);
    QStringList shown;
    AnswerTypeList(row, &shown);
    AnswerWizard(AnswersFor(docName));
    QTest::keyClick(app->MainFrame(), Qt::Key_N, Qt::ControlModifier);

    QCOMPARE(shown, (QStringList{QStringLiteral("Biorythme"), QStringLiteral("Compatibilité"),
                                 QStringLiteral("Affinité"), QStringLiteral("Groupe")}));
    QCOMPARE(app->Studies().Documents().size(), 1);
    const CDocument *study = app->Studies().ActiveDocument();
    QCOMPARE(DocName(study), docName);
    QCOMPARE(study->GetTitle(), docName + QStringLiteral("1"));
    QVERIFY(study->IsModified());
    QCOMPARE(app->MainFrame()->windowTitle(),
             QStringLiteral("Ondaris 3 - %1").arg(study->GetTitle()));
    QVERIFY(app->m_names.FindByName(QStringLiteral("Éric")) >= 0);
}

void StudiesTest::assistantsCreateTheirType_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("docName");
    QTest::addColumn<int>("menu");
    QTest::newRow("Assistant Biorythme")
        << int(cmd::WizardBiorythme) << QStringLiteral("Biorythme") << 129;
    QTest::newRow("Assistant Compatibilité")
        << int(cmd::WizardCompatibilite) << QStringLiteral("Compatibilité") << 130;
    QTest::newRow("Assistant Affinités: the type named Affinité")
        << int(cmd::WizardAffinite) << QStringLiteral("Affinité") << 131;
}

void StudiesTest::assistantsCreateTheirType()
{
    QFETCH(int, command);
    QFETCH(QString, docName);
    QFETCH(int, menu);
    const auto app = Start();
    QVERIFY(app);
    // Twice: the second study of a type counts on.
    for (const int count : {1, 2}) {
        AnswerWizard(AnswersFor(docName));
        Trigger(*app, command);
        QCOMPARE(app->Studies().Documents().size(), count);
        QCOMPARE(DocName(app->Studies().ActiveDocument()), docName);
        QCOMPARE(app->Studies().ActiveDocument()->GetTitle(), docName + QString::number(count));
    }
    QCOMPARE(app->Studies().ActiveDocument()->GetDocTemplate()->GetResourceId(), menu);
    QCOMPARE(Command(*app, cmd::StartDate)->isEnabled(), docName != QStringLiteral("Affinité"));
    QCOMPARE(Command(*app, cmd::Average)->isEnabled(), docName != QStringLiteral("Affinité"));
}

void StudiesTest::cancellingLeavesNoWindow_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("the type list") << QStringLiteral("list");
    QTest::newRow("the persons step") << QStringLiteral("persons");
    QTest::newRow("the start date step") << QStringLiteral("start");
}

void StudiesTest::cancellingLeavesNoWindow()
{
    QFETCH(QString, where);
    const auto app = Start();
    QVERIFY(app);
    QStringList shown;
    AnswerTypeList(where == QStringLiteral("list") ? -1 : 0, &shown);
    if (where != QStringLiteral("list")) {
        WizardAnswers answers = AnswersFor(QStringLiteral("Biorythme"));
        answers.cancelFirst = where == QStringLiteral("persons");
        answers.cancelStart = where == QStringLiteral("start");
        AnswerWizard(answers);
    }
    MessageRecorder messages;
    QTest::keyClick(app->MainFrame(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(app->Studies().Documents().isEmpty());
    QVERIFY(app->MainFrame()->MdiArea()->subWindowList().isEmpty());
    QCOMPARE(app->MainFrame()->windowTitle(), QStringLiteral("Ondaris 3"));
    QCOMPARE(messages.texts(), QStringList{});

    // The next study that is made is still the first of its type.
    AnswerWizard(AnswersFor(QStringLiteral("Biorythme")));
    Trigger(*app, cmd::WizardBiorythme);
    QCOMPARE(app->Studies().ActiveDocument()->GetTitle(), QStringLiteral("Biorythme1"));
}

void StudiesTest::editsThroughMenusAndContextMenu()
{
    const QString path =
        WriteBiorythme(QStringLiteral("jean.bio"), QStringLiteral("Jean"), QDate(1970, 3, 15));
    const auto app = Start({path});
    QVERIFY(app);
    auto *study = qobject_cast<COndarisDoc *>(app->Studies().ActiveDocument());
    QVERIFY(study);
    QVERIFY(!study->IsModified());

    // "&Identification..." from the menu: the wizard's step in edit mode.
    QString caption;
    OnNextModal([&caption](QDialog *identity) {
        caption = identity->windowTitle();
        TypeName(identity, QStringLiteral("1003"), QStringLiteral("Jeanne"));
        Click(identity, QStringLiteral("1"));
    });
    Trigger(*app, cmd::Identification);
    QCOMPARE(caption, QStringLiteral("Edition jean.bio"));
    QCOMPARE(study->name, QStringLiteral("Jeanne"));
    QVERIFY(study->IsModified());
    QVERIFY(app->m_names.FindByName(QStringLiteral("Jeanne")) >= 0);

    // "&Commentaires..." from the view's context menu, chosen by its underlined letter.
    CScrollView *view = app->Studies().ActiveFrame()->View();
    QTimer::singleShot(50, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        OnNextModal([](QDialog *comments) {
            auto *edit = Child<QPlainTextEdit>(comments, QStringLiteral("1548"));
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(edit, QStringLiteral("Semaine calme"));
            Click(comments, QStringLiteral("1"));
        });
        QTest::keyClick(menu, Qt::Key_C);
    });
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(40, 40),
                                 view->viewport()->mapToGlobal(QPoint(40, 40)));
    QApplication::sendEvent(view->viewport(), &rightClick);
    QCOMPARE(study->comment, QStringLiteral("Semaine calme"));

    // Saving clears the modified state and keeps the edits in the file.
    PressKey(*app, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!study->IsModified());
    NamesList scratch;
    COndarisDoc reread(scratch);
    QCOMPARE(reread.ReadFile(path), QString());
    QCOMPARE(reread.name, QStringLiteral("Jeanne"));
    QCOMPARE(reread.comment, QStringLiteral("Semaine calme"));
}

void StudiesTest::secondWindowFollowsTheStudy()
{
    const QString path =
        WriteBiorythme(QStringLiteral("paul.bio"), QStringLiteral("Paul"), QDate(1965, 8, 30));
    const auto app = Start({path});
    QVERIFY(app);
    CChildFrame *first = app->Studies().ActiveFrame();
    // A study opened at start gets a window that shows the page, not a sliver.
    QVERIFY(first->width() > app->MainFrame()->MdiArea()->width() / 2);
    QVERIFY(first->height() > app->MainFrame()->MdiArea()->height() / 2);
    Trigger(*app, cmd::WindowNew);
    CChildFrame *second = app->Studies().ActiveFrame();
    QVERIFY(second != first);
    QCOMPARE(&second->Document(), &first->Document());
    QCOMPARE(first->windowTitle(), QStringLiteral("paul.bio:1"));
    QCOMPARE(second->windowTitle(), QStringLiteral("paul.bio:2"));

    // Each window keeps its own "Moyenne", and the menu's check follows the active one.
    Trigger(*app, cmd::Average);
    QVERIFY(qobject_cast<CurveChartView *>(second->View())->showAverage);
    QVERIFY(!qobject_cast<CurveChartView *>(first->View())->showAverage);
    QVERIFY(Command(*app, cmd::Average)->isChecked());
    app->MainFrame()->MdiArea()->setActiveSubWindow(first);
    QVERIFY(!Command(*app, cmd::Average)->isChecked());

    // An edit in one window shows in both.
    const QImage before1 = Shot(first);
    const QImage before2 = Shot(second);
    OnNextModal([](QDialog *identity) {
        TypeName(identity, QStringLiteral("1003"), QStringLiteral("Paulette"));
        Click(identity, QStringLiteral("1"));
    });
    Trigger(*app, cmd::Identification);
    QCOMPARE(qobject_cast<COndarisDoc *>(&first->Document())->name, QStringLiteral("Paulette"));
    QVERIFY(Shot(first) != before1);
    QVERIFY(Shot(second) != before2);

    // Closing one window of the study asks nothing; the study stays with the other.
    MessageRecorder messages;
    QVERIFY(second->close());
    QTRY_COMPARE(app->MainFrame()->MdiArea()->subWindowList().size(), 1);
    QCOMPARE(messages.texts(), QStringList{});
    QTRY_COMPARE(first->windowTitle(), QStringLiteral("paul.bio"));
}

void StudiesTest::closingAModifiedStudy_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Oui") << int(QMessageBox::Yes) << true << true;
    QTest::newRow("Non") << int(QMessageBox::No) << true << false;
    QTest::newRow("Annuler") << int(QMessageBox::Cancel) << false << false;
}

void StudiesTest::closingAModifiedStudy()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    const QString path =
        WriteBiorythme(QStringLiteral("lou.bio"), QStringLiteral("Lou"), QDate(2000, 1, 1));
    const auto app = Start({path});
    QVERIFY(app);
    OnNextModal([](QDialog *comments) {
        auto *edit = Child<QPlainTextEdit>(comments, QStringLiteral("1548"));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(edit, QStringLiteral(" et plus"));
        Click(comments, QStringLiteral("1"));
    });
    Trigger(*app, cmd::Comments);
    QVERIFY(app->Studies().ActiveDocument()->IsModified());

    MessageRecorder messages{QMessageBox::StandardButton(answer)};
    Trigger(*app, cmd::FileClose);
    QCOMPARE(messages.texts(),
             QStringList{QStringLiteral("Enregistrer les modifications apportées à lou.bio ?")});
    QCOMPARE(messages.shown().constFirst().buttons,
             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QTRY_COMPARE(app->Studies().Documents().isEmpty(), closed);

    NamesList scratch;
    COndarisDoc reread(scratch);
    QCOMPARE(reread.ReadFile(path), QString());
    QCOMPARE(reread.comment.endsWith(QStringLiteral(" et plus")), saved);
}

void StudiesTest::savingANewStudyAsksForItsName()
{
    const auto app = Start();
    QVERIFY(app);
    AnswerWizard(AnswersFor(QStringLiteral("Compatibilité")));
    Trigger(*app, cmd::WizardCompatibilite);

    // "Oui" to the question runs "Enregistrer sous"; the type's extension is added.
    MessageRecorder messages(QMessageBox::Yes);
    AnswerSaveDialog(QStringLiteral("couple"));
    Trigger(*app, cmd::FileClose);
    QTRY_VERIFY(app->Studies().Documents().isEmpty());
    const QString saved = QDir::current().absoluteFilePath(QStringLiteral("couple.bi2"));
    QVERIFY(QFile::exists(saved));
    QCOMPARE(app->Recent().Files().value(0), saved);
    QCOMPARE(Setting(QStringLiteral("Recent File List/File1")).toString(), saved);
}

void StudiesTest::quittingAsksAboutEachModifiedStudy()
{
    const auto app = Start();
    QVERIFY(app);
    for (int i = 0; i < 2; ++i) {
        AnswerWizard(AnswersFor(QStringLiteral("Affinité")));
        Trigger(*app, cmd::WizardAffinite);
    }
    MessageRecorder messages(QMessageBox::Cancel);
    QVERIFY(!app->MainFrame()->close());
    QCOMPARE(messages.texts().size(), 1);
    QCOMPARE(app->Studies().Documents().size(), 2);

    messages.setAnswer(QMessageBox::No);
    Trigger(*app, cmd::Exit);
    QCOMPARE(
        messages.texts(),
        (QStringList{QStringLiteral("Enregistrer les modifications apportées à Affinité1 ?"),
                     QStringLiteral("Enregistrer les modifications apportées à Affinité1 ?"),
                     QStringLiteral("Enregistrer les modifications apportées à Affinité2 ?")}));
    QTRY_VERIFY(!app->MainFrame()->isVisible());
    QTRY_VERIFY(app->Studies().Documents().isEmpty());
}

void StudiesTest::openStudyComesToTheFront()
{
    const QString a = WriteBiorythme(QStringLiteral("a.bio"), QStringLiteral("A"), kBirth1);
    const QString b = WriteBiorythme(QStringLiteral("b.bio"), QStringLiteral("B"), kBirth2);
    const auto app = Start({a});
    QVERIFY(app);
    app->OpenFiles({b});
    QCOMPARE(app->Studies().ActiveDocument()->GetTitle(), QStringLiteral("b.bio"));
    app->OpenFiles({QStringLiteral("./a.bio")});
    QCOMPARE(app->Studies().Documents().size(), 2);
    QCOMPARE(app->Studies().ActiveDocument()->GetTitle(), QStringLiteral("a.bio"));
}

void StudiesTest::recentFiles()
{
    QStringList paths;
    for (const QString &name :
         {QStringLiteral("un"), QStringLiteral("deux"), QStringLiteral("trois"),
          QStringLiteral("quatre"), QStringLiteral("cinq")})
        paths << WriteBiorythme(name + QStringLiteral(".bio"), name, kBirth1);
    {
        const auto app = Start();
        QVERIFY(app);
        app->OpenFiles(paths);
        QCOMPARE(app->Recent().Files(), (QStringList{paths[4], paths[3], paths[2], paths[1]}));
        QVERIFY(app->MainFrame()->close());
    }
    QCOMPARE(Setting(QStringLiteral("Recent File List/File1")).toString(), paths[4]);
    QCOMPARE(Setting(QStringLiteral("Recent File List/File4")).toString(), paths[1]);

    // At the next start the menu lists them, and choosing one reopens it.
    const auto app = Start();
    QVERIFY(app);
    QAction *third = Command(*app, cmd::RecentFile1 + 2);
    QVERIFY(third->isVisible());
    QCOMPARE(third->text(), QStringLiteral("&3 ") + RecentFiles::Abbreviate(paths[2]));
    third->trigger();
    QCOMPARE(app->Studies().ActiveDocument()->GetTitle(), QStringLiteral("trois.bio"));
    QCOMPARE(app->Recent().Files().constFirst(), paths[2]);
}

void StudiesTest::recentFileThatIsGone()
{
    const QString gone = WriteBiorythme(QStringLiteral("parti.bio"), QStringLiteral("X"), kBirth1);
    const QString kept = WriteBiorythme(QStringLiteral("reste.bio"), QStringLiteral("Y"), kBirth1);
    SetSetting(QStringLiteral("Recent File List/File1"), gone);
    SetSetting(QStringLiteral("Recent File List/File2"), kept);
    QFile::remove(gone);
    const auto app = Start();
    QVERIFY(app);
    MessageRecorder messages;
    Trigger(*app, cmd::RecentFile1);
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("L'ouverture du document a échoué.")});
    QCOMPARE(app->Recent().Files(), QStringList{kept});
    QVERIFY(app->Studies().Documents().isEmpty());
}

void StudiesTest::abbreviatedPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown");
    QTest::newRow("fits") << QStringLiteral("/home/lea/a.bio") << QStringLiteral("/home/lea/a.bio");
    QTest::newRow("31 characters") << QStringLiteral("/home/lea/etudes/abcdefghij.bio")
                                   << QStringLiteral("/.../lea/etudes/abcdefghij.bio");
    QTest::newRow("leading folders give way")
        << QStringLiteral("/home/lea/documents/biorythmes/famille/jean.bio")
        << QStringLiteral("/.../famille/jean.bio");
    QTest::newRow("name alone") << QStringLiteral("/home/lea/une-etude-au-nom-tres-long.bio")
                                << QStringLiteral("une-etude-au-nom-tres-long.bio");
    QTest::newRow("name longer than 30")
        << QStringLiteral("/tmp/une-etude-au-nom-vraiment-tres-long.bio")
        << QStringLiteral("une-etude-au-nom-vraiment-tres-long.bio");
}

void StudiesTest::abbreviatedPaths()
{
    QFETCH(QString, path);
    QFETCH(QString, shown);
    QCOMPARE(RecentFiles::Abbreviate(path), shown);
    QVERIFY(shown.size() <= 30 || shown == QFileInfo(path).fileName());
}

void StudiesTest::droppedFiles()
{
    const QString study =
        WriteBiorythme(QStringLiteral("tom.bio"), QStringLiteral("Tom"), QDate(1988, 8, 8));
    QFile other(QStringLiteral("notes.txt"));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("pas une étude\n");
    other.close();
    const auto app = Start();
    QVERIFY(app);
    CMainFrame *frame = app->MainFrame();

    const auto drop = [frame](const QString &path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(frame, &enter);
        QDropEvent dropped(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(frame, &dropped);
        return enter.isAccepted() && dropped.isAccepted();
    };

    MessageRecorder messages;
    QVERIFY(drop(QStringLiteral("notes.txt")));
    QTRY_COMPARE(messages.texts(),
                 QStringList{QStringLiteral("L'ouverture du document a échoué.")});
    QVERIFY(app->Studies().Documents().isEmpty());
    QVERIFY(app->Recent().Files().isEmpty());
    QCOMPARE(app->m_names.count, 0);

    QVERIFY(drop(study));
    QTRY_COMPARE(app->Studies().Documents().size(), 1);
    QCOMPARE(app->Studies().ActiveDocument()->GetTitle(), QStringLiteral("tom.bio"));
    QCOMPARE(messages.texts().size(), 1);
}

QTEST_MAIN(StudiesTest)
#include "studies_test.moc"
