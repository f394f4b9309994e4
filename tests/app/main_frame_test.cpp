#include "app_harness.h"
#include "common/message_hook.h"
#include "dialogs/help_window.h"
#include "mainwindow/command_ids.h"
#include "mainwindow/status_bar.h"
#include "persistence/recent_files.h"

#include <QLabel>
#include <QMdiArea>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

using namespace harness;

// The main window as the user sees it: menus of each state, tool bar, status bar, keyboard.
class MainFrameTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ResetStore(); }

    void menusOfEachState_data();
    void menusOfEachState();
    void toolBarButtonsInOrder();
    void promptsShowInStatusBarAndToolTips();
    void lockIndicatorsFollowTheKeys();
    void helpKeysOpenTheFrenchHelp_data();
    void helpKeysOpenTheFrenchHelp();
    void barsAreShownAndHidden();
    void titleFollowsTheActiveStudy();
};

namespace {

const QString kStudies = QStringLiteral("E&tudes: Assistant &Biorythme... | Assistant "
                                        "&Compatibilité... | Assistant &Affinités... | "
                                        "Affinités du &groupe...");
const QString kOptions =
    QStringLiteral("Options: &Calendrier | &Gestion des Noms... | &Préférences...");
const QString kHelp = QStringLiteral("&Aide: &Rubriques d'aide | - | À propos d'&Ondaris...");
const QString kWindow =
    QStringLiteral("&Fenêtre: &Nouvelle fenêtre | &Cascade | &Mosaïque | &Réorganiser les icônes");

QString StudyFileMenu(const QString &recent)
{
    return QStringLiteral("&Fichier: &Ouvrir...\tCtrl+O | &Fermer | &Enregistrer\tCtrl+S | "
                          "Enregistrer &sous... | - | &Imprimer...\tCtrl+P | &Aperçu avant "
                          "impression | &Exporter...\tCtrl+E | &Configuration de "
                          "l'impression... | - | %1 | - | &Quitter")
        .arg(recent);
}

} // namespace

void MainFrameTest::menusOfEachState_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("menus");

    QTest::newRow("128 without a study")
        << QString()
        << QStringList{QStringLiteral("&Fichier: &Ouvrir...\tCtrl+O | - | &Configuration de "
                                      "l'impression... | - | Fichier récent | - | &Fermer | "
                                      "&Quitter"),
                       kStudies, QStringLiteral("&Affichage: &Barre d'outils | Barre d'é&tat"),
                       kOptions, kHelp};
    const QString affichage =
        QStringLiteral("&Affichage: &Barre d'outils | Barre d'é&tat | - | Mo&yenne | - | &Année | "
                       "&Meilleurs jours...");
    QTest::newRow("129 Biorythme")
        << QStringLiteral("a.bio")
        << QStringList{StudyFileMenu(QStringLiteral("%1")),
                       kStudies,
                       QStringLiteral("&Modifier: &Annuler\tCtrl+Z | &Rétablir\tCtrl+Shift+Z | - | "
                                      "&Identification... | &Date de départ... | "
                                      "&Commentaires..."),
                       affichage,
                       kOptions,
                       kWindow,
                       kHelp};
    QTest::newRow("130 Compatibilité")
        << QStringLiteral("a.bi2")
        << QStringList{StudyFileMenu(QStringLiteral("%1")),
                       kStudies,
                       QStringLiteral("&Modifier: &Annuler\tCtrl+Z | &Rétablir\tCtrl+Shift+Z | - | "
                                      "&Personnes... | &Date de départ... | "
                                      "&Commentaires..."),
                       affichage,
                       kOptions,
                       kWindow,
                       kHelp};
    QTest::newRow("131 Affinité")
        << QStringLiteral("a.aff")
        << QStringList{StudyFileMenu(QStringLiteral("%1")),
                       kStudies,
                       QStringLiteral("&Modifier: &Annuler\tCtrl+Z | &Rétablir\tCtrl+Shift+Z | - | "
                                      "&Identification... | &Commentaires..."),
                       QStringLiteral("&Affichage: &Barre d'outils | Barre d'é&tat"),
                       kOptions,
                       kWindow,
                       kHelp};
    QTest::newRow("132 Groupe")
        << QStringLiteral("a.grp")
        << QStringList{StudyFileMenu(QStringLiteral("%1")),
                       kStudies,
                       QStringLiteral("&Modifier: &Annuler\tCtrl+Z | &Rétablir\tCtrl+Shift+Z | - | "
                                      "&Membres... | &Commentaires..."),
                       QStringLiteral("&Affichage: &Barre d'outils | Barre d'é&tat"),
                       kOptions,
                       kWindow,
                       kHelp};
}

void MainFrameTest::menusOfEachState()
{
    QFETCH(QString, file);
    QFETCH(QStringList, menus);

    QString path;
    if (file.endsWith(QStringLiteral(".bio")))
        path = WriteBiorythme(file, QStringLiteral("Jean"), QDate(1970, 3, 15));
    else if (file.endsWith(QStringLiteral(".bi2")))
        path = WriteTwoPersons<COndarisDoc2>(file, QStringLiteral("Zoé"), QStringLiteral("Loïc"));
    else if (file.endsWith(QStringLiteral(".aff")))
        path = WriteTwoPersons<COndarisDoc3>(file, QStringLiteral("Marie"), QStringLiteral("Paul"));
    else if (file.endsWith(QStringLiteral(".grp")))
        path = WriteGroup(file, {QStringLiteral("Marie"), QStringLiteral("Paul")});
    if (!path.isEmpty())
        menus[0] = menus[0].arg(QStringLiteral("&1 ") + RecentFiles::Abbreviate(path));

    MessageRecorder messages;
    const auto app = Start(path.isEmpty() ? QStringList{} : QStringList{path});
    QVERIFY(app);
    QCOMPARE(MenuLines(*app->MainFrame()), menus);
    QCOMPARE(messages.texts(), QStringList{});

    // Closing the last study brings back the menus without a study.
    if (!path.isEmpty()) {
        Trigger(*app, cmd::FileClose);
        QTRY_VERIFY(app->Studies().Documents().isEmpty());
        QCOMPARE(MenuLines(*app->MainFrame()).constFirst(),
                 QStringLiteral("&Fichier: &Ouvrir...\tCtrl+O | - | &Configuration de "
                                "l'impression... | - | &1 %1 | - | &Fermer | &Quitter")
                     .arg(RecentFiles::Abbreviate(path)));
        QVERIFY(!Command(*app, cmd::FileClose)->isEnabled());
    }
}

void MainFrameTest::toolBarButtonsInOrder()
{
    const auto app = Start();
    QVERIFY(app);
    QStringList buttons;
    for (QAction *action : app->MainFrame()->m_wndToolBar->actions())
        buttons << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    QCOMPARE(buttons.join(u' '),
             QStringLiteral("57601 57603 - 57607 57609 - 32774 32775 32776 32827 - "
                            "57643 57644 - 32783 32786 32785 - 32772 - 32773 32781 32771 "
                            "- 57667"));
    // Each button's image is there at the sizes of menus and tool bars, and is not blank.
    for (QAction *action : app->MainFrame()->m_wndToolBar->actions()) {
        if (action->isSeparator())
            continue;
        for (const int size : {16, 24}) {
            const QImage image = action->icon().pixmap(QSize(size, size)).toImage();
            QVERIFY2(image.size() == QSize(size, size), qPrintable(action->objectName()));
            int drawn = 0;
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x)
                    drawn += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
            }
            QVERIFY2(drawn > size && drawn < size * size, qPrintable(action->objectName()));
        }
    }
}

void MainFrameTest::promptsShowInStatusBarAndToolTips()
{
    const auto app = Start();
    QVERIFY(app);
    StatusBar *bar = app->MainFrame()->m_wndStatusBar;
    QCOMPARE(bar->currentMessage(), QStringLiteral("Prêt"));

    QAction *startDate = Command(*app, cmd::StartDate);
    QCOMPARE(startDate->statusTip(), QStringLiteral("Modifier la date de départ"));
    QCOMPARE(startDate->toolTip(), QStringLiteral("Date de départ"));
    QCOMPARE(Command(*app, cmd::WizardAffinite)->toolTip(), QStringLiteral("Assistant Affinité"));

    // The mouse over a tool-bar button shows its command's prompt, and "Prêt" once it leaves.
    auto *button = qobject_cast<QToolButton *>(
        app->MainFrame()->m_wndToolBar->widgetForAction(Command(*app, cmd::Calendar)));
    QVERIFY(button);
    QTest::mouseMove(button);
    QTRY_COMPARE(bar->currentMessage(), QStringLiteral("Affiche le calendrier"));
    QTest::mouseMove(app->MainFrame()->MdiArea()->viewport());
    QTRY_COMPARE(bar->currentMessage(), QStringLiteral("Prêt"));
}

void MainFrameTest::lockIndicatorsFollowTheKeys()
{
    LockState state;
    QMainWindow window;
    auto *bar = new StatusBar(&window, [&state]() { return state; });
    window.setStatusBar(bar);
    window.show();
    const auto shown = [bar]() {
        QStringList texts;
        for (const QString &name :
             {QStringLiteral("MAJ"), QStringLiteral("NUM"), QStringLiteral("DÉFIL")})
            texts << bar->findChild<QLabel *>(name)->text();
        return texts.join(u',');
    };
    QCOMPARE(shown(), QStringLiteral(",,"));

    state = {true, false, true};
    QTest::keyClick(&window, Qt::Key_CapsLock);
    QTRY_COMPARE(shown(), QStringLiteral("MAJ,,DÉFIL"));
    state = {false, true, false};
    QTest::keyClick(&window, Qt::Key_NumLock);
    QTRY_COMPARE(shown(), QStringLiteral(",NUM,"));
}

void MainFrameTest::helpKeysOpenTheFrenchHelp_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("F1") << int(Qt::Key_F1) << int(Qt::NoModifier);
    QTest::newRow("Shift+F1") << int(Qt::Key_F1) << int(Qt::ShiftModifier);
}

void MainFrameTest::helpKeysOpenTheFrenchHelp()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    const auto app = Start();
    QVERIFY(app);
    // The help window is made when first asked for, not at start.
    QVERIFY(!app->MainFrame()->findChild<HelpWindow *>());
    QTest::keyClick(app->MainFrame(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    HelpWindow *help = app->MainFrame()->findChild<HelpWindow *>();
    QVERIFY(help);
    QCOMPARE(app->MainFrame()->Help(), help);
    QTRY_VERIFY(help->isVisible());
    QCOMPARE(help->Browser()->source(), HelpWindow::ContentsUrl());
    QVERIFY(help->Browser()->toPlainText().contains(QStringLiteral("Biorythme")));

    // Every page that the contents link to exists and links back.
    const QString contents = help->Browser()->toHtml();
    for (const QString &page :
         {QStringLiteral("etudes.html"), QStringLiteral("cycles.html"), QStringLiteral("noms.html"),
          QStringLiteral("fichiers.html"), QStringLiteral("impression.html"),
          QStringLiteral("preferences.html"), QStringLiteral("ligne-de-commande.html"),
          QStringLiteral("jours-critiques.html")}) {
        QVERIFY2(contents.contains(page), qPrintable(page));
        QFile file(QStringLiteral(":/app/help/") + page);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page));
        QVERIFY2(file.readAll().contains("index.html"), qPrintable(page));
    }
    // Menu "&Rubriques d'aide" opens the same contents.
    help->Browser()->setSource(QUrl(QStringLiteral("qrc:/app/help/noms.html")));
    Trigger(*app, cmd::HelpIndex);
    QCOMPARE(help->Browser()->source(), HelpWindow::ContentsUrl());
}

void MainFrameTest::barsAreShownAndHidden()
{
    const auto app = Start();
    QVERIFY(app);
    CMainFrame *frame = app->MainFrame();
    QVERIFY(frame->m_wndToolBar->isVisible());
    QVERIFY(frame->m_wndStatusBar->isVisible());
    Trigger(*app, cmd::ViewToolBar);
    QVERIFY(!frame->m_wndToolBar->isVisible());
    QVERIFY(!Command(*app, cmd::ViewToolBar)->isChecked());
    Trigger(*app, cmd::ViewStatusBar);
    QVERIFY(!frame->m_wndStatusBar->isVisible());
    Trigger(*app, cmd::ViewToolBar);
    Trigger(*app, cmd::ViewStatusBar);
    QVERIFY(frame->m_wndToolBar->isVisible());
    QVERIFY(frame->m_wndStatusBar->isVisible());
    QVERIFY(Command(*app, cmd::ViewStatusBar)->isChecked());
}

void MainFrameTest::titleFollowsTheActiveStudy()
{
    const QString bio =
        WriteBiorythme(QStringLiteral("jean.bio"), QStringLiteral("Jean"), QDate(1970, 3, 15));
    const auto app = Start({bio});
    QVERIFY(app);
    CMainFrame *frame = app->MainFrame();
    QCOMPARE(frame->windowTitle(), QStringLiteral("Ondaris 3 - jean.bio"));

    // A maximised study window shows its title in brackets, once.
    app->Studies().ActiveFrame()->showMaximized();
    QTRY_COMPARE(frame->windowTitle(), QStringLiteral("Ondaris 3 - [jean.bio]"));
    app->Studies().ActiveFrame()->showNormal();
    QTRY_COMPARE(frame->windowTitle(), QStringLiteral("Ondaris 3 - jean.bio"));

    Trigger(*app, cmd::FileClose);
    QTRY_COMPARE(frame->windowTitle(), QStringLiteral("Ondaris 3"));
}

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
