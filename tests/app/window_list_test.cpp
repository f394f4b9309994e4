#include "app_harness.h"

#include <QApplication>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>

using namespace harness;

// The study windows listed at the foot of "&Fenêtre", reached and chosen by keyboard alone.
class WindowListTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ResetStore(); }
    void threeStudies();
    void listed_data();
    void listed();
    void elevenStudies();
    void maximisedStudyChosenFromTheList();
};

namespace {

// "a", "b", ...: the first `count` letters.
QStringList Letters(int count)
{
    QStringList letters;
    for (int i = 0; i < count; ++i)
        letters << QString(QChar(u'a' + i));
    return letters;
}

// Studies "NAME.bio" opened in the order of the names; the last one is active.
std::unique_ptr<COndarisApp> StartWithStudies(const QStringList &names)
{
    QStringList paths;
    for (const QString &name : names)
        paths << WriteBiorythme(name + QStringLiteral(".bio"), name.toUpper(), QDate(1980, 1, 1));
    return Start(paths);
}

// Studies "a.bio", "b.bio", ... opened in that order; the last one is active.
std::unique_ptr<COndarisApp> StartWithStudies(int count)
{
    return StartWithStudies(Letters(count));
}

// Alt+M opens "&Modifier"; the arrow keys go on along the bar to "&Fenêtre".
QMenu *OpenWindowMenu(const COndarisApp &app)
{
    PressKey(app, Qt::Key_M, Qt::AltModifier);
    for (int i = 0; i < 3; ++i) {
        QWidget *popup = QApplication::activePopupWidget();
        if (!popup)
            return nullptr;
        QTest::keyClick(popup, Qt::Key_Right);
    }
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu || menu->title() != QStringLiteral("&Fenêtre"))
        return nullptr;
    return menu;
}

// The menu's items as the user reads them, "✓" before the checked one.
QStringList Items(const QMenu &menu)
{
    QStringList items;
    for (const QAction *action : menu.actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator())
            items << QStringLiteral("-");
        else
            items << (action->isChecked() ? QStringLiteral("✓") : QString()) + action->text();
    }
    return items;
}

const QStringList kOwnItems{QStringLiteral("&Nouvelle fenêtre"), QStringLiteral("&Cascade"),
                            QStringLiteral("&Mosaïque"), QStringLiteral("&Réorganiser les icônes"),
                            QStringLiteral("-")};

// "&1 a.bio" to "&8 h.bio", as the menu lists the first eight studies.
QStringList FirstEightItems()
{
    QStringList items;
    for (const QString &letter : Letters(8))
        items << QStringLiteral("&%1 %2.bio").arg(items.size() + 1).arg(letter);
    return items;
}

QString ActiveTitle(const COndarisApp &app)
{
    const QMdiSubWindow *active = app.MainFrame()->MdiArea()->activeSubWindow();
    return active ? active->windowTitle() : QString();
}

} // namespace

void WindowListTest::threeStudies()
{
    auto app = StartWithStudies(3);
    QVERIFY(app);
    QMenu *menu = OpenWindowMenu(*app);
    QVERIFY(menu);
    QCOMPARE(Items(*menu),
             (kOwnItems + QStringList{QStringLiteral("&1 a.bio"), QStringLiteral("&2 b.bio"),
                                      QStringLiteral("✓&3 c.bio")}));
    QTest::keyClick(menu, Qt::Key_1);
    QTRY_COMPARE(ActiveTitle(*app), QStringLiteral("a.bio"));
    QVERIFY(!QApplication::activePopupWidget());

    // A window closed leaves the list; the order of the others stays.
    app->MainFrame()->MdiArea()->activeSubWindow()->close();
    const QString active = ActiveTitle(*app);
    const auto mark = [&active](const QString &title) {
        return active == title ? QStringLiteral("✓") : QString();
    };
    menu = OpenWindowMenu(*app);
    QVERIFY(menu);
    QCOMPARE(Items(*menu),
             (kOwnItems + QStringList{mark(QStringLiteral("b.bio")) + QStringLiteral("&1 b.bio"),
                                      mark(QStringLiteral("c.bio")) + QStringLiteral("&2 c.bio")}));
    QTest::keyClick(menu, Qt::Key_Escape);
}

void WindowListTest::listed_data()
{
    QTest::addColumn<QStringList>("studies"); // opened in this order, the last one active
    QTest::addColumn<QStringList>("listed");  // the menu's items after its own

    // One more than the menu lists: the active tenth takes the ninth place.
    QTest::newRow("ten studies, the tenth active")
        << Letters(10)
        << FirstEightItems() +
               QStringList{QStringLiteral("✓&9 j.bio"), QStringLiteral("&Autres fenêtres...")};
    // The menu shows an "&" of a title as it is, not as a shortcut.
    QTest::newRow("an ampersand in a title")
        << QStringList{QStringLiteral("Dupont & Fils")}
        << QStringList{QStringLiteral("✓&1 Dupont && Fils.bio")};
}

void WindowListTest::listed()
{
    QFETCH(QStringList, studies);
    QFETCH(QStringList, listed);
    auto app = StartWithStudies(studies);
    QVERIFY(app);
    QMenu *menu = OpenWindowMenu(*app);
    QVERIFY(menu);
    QCOMPARE(Items(*menu), kOwnItems + listed);
    QTest::keyClick(menu, Qt::Key_Escape);
}

void WindowListTest::elevenStudies()
{
    auto app = StartWithStudies(11);
    QVERIFY(app);
    QMenu *menu = OpenWindowMenu(*app);
    QVERIFY(menu);
    // The active window, the eleventh, takes the ninth place.
    QCOMPARE(Items(*menu),
             (kOwnItems + FirstEightItems() +
              QStringList{QStringLiteral("✓&9 k.bio"), QStringLiteral("&Autres fenêtres...")}));

    QStringList offered;
    int offeredRow = -1;
    OnNextModal([&](QDialog *dialog) {
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("windows"));
        for (int i = 0; i < list->count(); ++i)
            offered << list->item(i)->text();
        offeredRow = list->currentRow();
        QTest::keyClick(list, Qt::Key_Home);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
    });
    QTest::keyClick(menu, Qt::Key_A);
    QTRY_COMPARE(ActiveTitle(*app), QStringLiteral("b.bio"));
    QCOMPARE(offered.size(), 11);
    QCOMPARE(offered.constFirst(), QStringLiteral("a.bio"));
    QCOMPARE(offered.constLast(), QStringLiteral("k.bio"));
    QCOMPARE(offeredRow, 10);

    // Among the first nine, the active window keeps its own place.
    menu = OpenWindowMenu(*app);
    QVERIFY(menu);
    const QStringList items = Items(*menu);
    QCOMPARE(items.value(kOwnItems.size() + 1), QStringLiteral("✓&2 b.bio"));
    QCOMPARE(items.mid(kOwnItems.size() + 8),
             (QStringList{QStringLiteral("&9 i.bio"), QStringLiteral("&Autres fenêtres...")}));

    // Escape in the list changes nothing.
    OnNextModal([](QDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    QTest::keyClick(menu, Qt::Key_A);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(ActiveTitle(*app), QStringLiteral("b.bio"));
}

void WindowListTest::maximisedStudyChosenFromTheList()
{
    auto app = StartWithStudies(3);
    QVERIFY(app);
    app->MainFrame()->MdiArea()->activeSubWindow()->showMaximized();
    QMenu *menu = OpenWindowMenu(*app);
    QVERIFY(menu);
    QTest::keyClick(menu, Qt::Key_2);
    QTRY_COMPARE(ActiveTitle(*app), QStringLiteral("b.bio"));
    QVERIFY(app->MainFrame()->MdiArea()->activeSubWindow()->isMaximized());
}

QTEST_MAIN(WindowListTest)
#include "window_list_test.moc"
