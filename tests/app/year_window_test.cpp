#include "app_harness.h"
#include "charts/curve_chart_view.h"
#include "charts/year_view.h"
#include "common/modal.h"
#include "dialogs/best_days_dialog.h"
#include "mainwindow/child_frame.h"
#include "mainwindow/command_ids.h"
#include "people/date_picker.h"

#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QMdiArea>
#include <QPushButton>
#include <QTreeWidget>

using namespace harness;

// Affichage > Année and Affichage > Meilleurs jours... from the user's side.
class YearWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ResetStore(); }
    void yearWindowFollowsTheStudy();
    void bestDaysOpenTheYearOnTheDay();
    void noYearForAnAffinite();
};

namespace {

YearView *YearOf(const COndarisApp &app)
{
    CChildFrame *frame = app.Studies().ActiveFrame();
    return frame ? qobject_cast<YearView *>(frame->View()) : nullptr;
}

} // namespace

void YearWindowTest::yearWindowFollowsTheStudy()
{
    // Jean's study starts on 1 May 2024.
    const auto app = Start(
        {WriteBiorythme(QStringLiteral("jean.bio"), QStringLiteral("Jean"), QDate(1970, 3, 15))});
    QVERIFY(app);
    CChildFrame *page = app->Studies().ActiveFrame();
    QVERIFY(Command(*app, cmd::YearView)->isEnabled());
    Trigger(*app, cmd::YearView);
    YearView *year = YearOf(*app);
    QVERIFY(year);
    QCOMPARE(&app->Studies().ActiveFrame()->Document(), &page->Document());
    QCOMPARE(year->Reading().rows.constFirst().constFirst(), QStringLiteral("Mai 2024"));
    // "Mo&yenne" belongs to the page's window.
    QVERIFY(!Command(*app, cmd::Average)->isEnabled());

    // Asked again, the same window comes forward.
    app->MainFrame()->MdiArea()->setActiveSubWindow(page);
    Trigger(*app, cmd::YearView);
    QCOMPARE(YearOf(*app), year);
    QCOMPARE(app->MainFrame()->MdiArea()->subWindowList().size(), 2);

    // A new start date from the page's window moves the year too.
    app->MainFrame()->MdiArea()->setActiveSubWindow(page);
    OnNextModal([](QDialog *step) {
        step->findChild<DatePicker *>()->SetDate(COleDateTime(2025, 2, 14));
        Click(step, QStringLiteral("1"));
    });
    Trigger(*app, cmd::StartDate);
    QCOMPARE(year->Reading().rows.constFirst().constFirst(), QStringLiteral("Février 2025"));

    // Exported from its window, the year's days go to the CSV.
    app->MainFrame()->MdiArea()->setActiveSubWindow(
        app->Studies().FramesOf(page->Document()).last());
    QCOMPARE(YearOf(*app), year);
    QStringList offered;
    OnNextModal([&offered](QDialog *dialog) {
        offered = static_cast<QFileDialog *>(dialog)->nameFilters();
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("annee.csv"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    Trigger(*app, cmd::FileExport);
    QTRY_VERIFY(QFile::exists(QStringLiteral("annee.csv")));
    QCOMPARE(offered.size(), 4); // no calendar
    QFile csv(QStringLiteral("annee.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    QCOMPARE(lines.size(), 1 + 365 + 1);
    QVERIFY(lines.at(1).startsWith("2025-02-01;"));
}

void YearWindowTest::bestDaysOpenTheYearOnTheDay()
{
    const auto app = Start(
        {WriteBiorythme(QStringLiteral("jean.bio"), QStringLiteral("Jean"), QDate(1970, 3, 15))});
    QVERIFY(app);
    QDate chosen;
    OnNextModal([&chosen](QDialog *dialog) {
        dialog->findChild<DatePicker *>()->SetDate(COleDateTime(2024, 5, 1));
        auto *list = dialog->findChild<QTreeWidget *>();
        QVERIFY(list->topLevelItemCount() > 0);
        // What is copied: the heading, then the lines as shown, fields between tabs.
        const QStringList copied = static_cast<BestDaysDialog *>(dialog)->ListText().split(u'\n');
        QCOMPARE(copied.size(), 1 + list->topLevelItemCount() + 1);
        QVERIFY(copied.at(1).startsWith(QStringLiteral("1\t") + list->topLevelItem(0)->text(1)));
        // A higher threshold keeps fewer days.
        const int all = list->topLevelItemCount();
        dialog->findChild<QDoubleSpinBox *>()->setValue(2.5);
        QVERIFY(list->topLevelItemCount() < all);
        // The first line is the best day; the second is chosen.
        list->setCurrentItem(list->topLevelItem(1));
        chosen = list->topLevelItem(1)->data(0, Qt::UserRole).toDate();
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            if (button->text() == QStringLiteral("&Voir dans l'année"))
                button->click();
        }
    });
    Trigger(*app, cmd::BestDays);
    QVERIFY(chosen.isValid());
    YearView *year = YearOf(*app);
    QVERIFY(year);
    QCOMPARE(year->CursorDate(), chosen);
}

void YearWindowTest::noYearForAnAffinite()
{
    const auto app = Start({WriteTwoPersons<COndarisDoc3>(
        QStringLiteral("marie.aff"), QStringLiteral("Marie"), QStringLiteral("Paul"))});
    QVERIFY(app);
    QVERIFY(!Command(*app, cmd::YearView)->isEnabled());
    QVERIFY(!Command(*app, cmd::BestDays)->isEnabled());
    Trigger(*app, cmd::YearView);
    QCOMPARE(app->MainFrame()->MdiArea()->subWindowList().size(), 1);
}

QTEST_MAIN(YearWindowTest)
#include "year_window_test.moc"
