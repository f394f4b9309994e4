#include "charts/affinite_view.h"
#include "charts/biorythme_view.h"
#include "charts/compatibilite_view.h"
#include "charts/day_reading.h"
#include "charts/groupe_view.h"
#include "common/french_locale.h"
#include "common/modal.h"
#include "people/names_list.h"
#include "recorder.h"
#include "studies/affinite_doc.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"
#include "studies/groupe_doc.h"
#include "studies/study_bytes.h"

#include <QAccessible>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

using namespace study_bytes;

Q_DECLARE_METATYPE(Qt::Key)

namespace {

// Claire, born on Sunday 20 September 2026, and Paul, on Wednesday 9 September; the curves start
// on Friday 1 January 2027. On the 13th, day 12, Claire's physical and intellectual cycles and
// Paul's physical and emotional ones cross zero; their means are 2.036, -1.559 and -0.340,
// their average 0.046.
const QDate kStart(2027, 1, 1);

std::unique_ptr<CDocument> Study(int kind, NamesList &names)
{
    auto doc = Make(kind, names);
    const QString error =
        Read(*doc, File(kind, "Une ligne\r\n\r\nDeux", "Claire Fontaine", "Paul",
                        {Date(COleDateTime(2026, 9, 20)), Date(COleDateTime(2026, 9, 9)),
                         Date(COleDateTime(2027, 1, 1))}));
    return error.isEmpty() ? std::move(doc) : nullptr;
}

ChartView *ViewOf(CDocument *doc, int kind)
{
    switch (kind) {
    case 0:
        return new COndarisView(static_cast<COndarisDoc *>(doc));
    case 1:
        return new COndarisView2(static_cast<COndarisDoc2 *>(doc));
    default:
        return new COndarisView3(static_cast<COndarisDoc3 *>(doc));
    }
}

QAccessibleInterface *TableOf(QWidget *view)
{
    QAccessibleInterface *page = QAccessible::queryAccessibleInterface(view);
    for (int i = 0; i < page->childCount(); ++i)
        if (page->child(i)->role() == QAccessible::Table)
            return page->child(i);
    return nullptr;
}

// The page's texts around its table, "|" where the table stands.
QStringList Texts(QWidget *view)
{
    QAccessibleInterface *page = QAccessible::queryAccessibleInterface(view);
    QStringList texts;
    for (int i = 0; i < page->childCount(); ++i) {
        QAccessibleInterface *child = page->child(i);
        texts << (child->role() == QAccessible::Table ? QStringLiteral("|")
                                                      : child->text(QAccessible::Name));
    }
    return texts;
}

QStringList Columns(QAccessibleInterface *table)
{
    QStringList columns;
    for (int c = 0; c < table->tableInterface()->columnCount(); ++c)
        columns << table->tableInterface()->columnDescription(c);
    return columns;
}

QStringList Row(QAccessibleInterface *table, int row)
{
    QStringList cells;
    for (int c = 0; c < table->tableInterface()->columnCount(); ++c)
        cells << table->tableInterface()->cellAt(row, c)->text(QAccessible::Name);
    return cells;
}

QString DayName(const QDate &date)
{
    const COleDateTime day = COleDateTime::FromQDate(date);
    return WeekdayName(day) + u' ' + DateText(day);
}

// The rows as the page draws them: the dates under the columns, the curves' values at each day.
QList<QStringList> DrawnRows(CDocument *doc, int kind, bool average)
{
    QList<QStringList> rows;
    if (kind == 2) {
        const auto *aff = static_cast<COndarisDoc3 *>(doc);
        const QList<std::pair<QString, QString>> scores{
            {QStringLiteral("Intellectuel"), aff->textIntellectual},
            {QStringLiteral("Sentimental"), aff->textSentimental},
            {QStringLiteral("Physique"), aff->textPhysical},
            {QStringLiteral("Moyenne"), aff->textAverage}};
        for (const auto &[cycle, score] : scores)
            rows << QStringList{cycle, score + u'%', cycle + QStringLiteral(" : ") + score + u'%'};
        return rows;
    }
    const CurvePeriod &period = kind == 0
                                    ? static_cast<CurvePeriod &>(*static_cast<COndarisDoc *>(doc))
                                    : static_cast<CurvePeriod &>(*static_cast<COndarisDoc2 *>(doc));
    for (int day = 0; day < 29; ++day) {
        QStringList row{DayName(kStart.addDays(day))};
        if (average)
            row << OneDecimal(CycleAverage(period.curveIntellectual, period.curveSentimental,
                                           period.curvePhysical, day));
        else
            row << OneDecimal(period.curveIntellectual[day])
                << OneDecimal(period.curveSentimental[day])
                << OneDecimal(period.curvePhysical[day]);
        rows << row;
    }
    return rows;
}

} // namespace

class PageAccessibleTest : public QObject
{
    Q_OBJECT

private:
    NamesList m_names;

private Q_SLOTS:
    void tableOfThePage_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("average");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("cells");

        const QString claire = QStringLiteral("Claire Fontaine (Dimanche 20/09/2026)");
        const QString paul = QStringLiteral("Paul (Mercredi 09/09/2026)");
        const QStringList comments{QStringLiteral("Commentaires :"), QStringLiteral("Une ligne"),
                                   QStringLiteral("Deux")};
        const QString start = QStringLiteral("Date de départ : 01/01/2027");
        const QStringList bio{QStringLiteral("Ondaris v3 - Biorythme à partir d'une date donnée"),
                              QStringLiteral("Identification : ") + claire, start,
                              QStringLiteral("|")};
        const QStringList compat{
            QStringLiteral("Ondaris v3 - Compatibilité à partir d'une date donnée"),
            QStringLiteral("Identification 1 : ") + claire,
            QStringLiteral("Identification 2 : ") + paul, start, QStringLiteral("|")};
        const QString date = QStringLiteral("Date");
        const QString critical = QStringLiteral("Jours critiques");
        const QStringList cycles{QStringLiteral("Intellectuel"), QStringLiteral("Sentimental"),
                                 QStringLiteral("Physique")};
        const QString both = QStringLiteral(
            "Physique, Intellectuel (Claire Fontaine) / Physique, Sentimental (Paul)");

        // The critical days' column is checked here; the values against the curves below.
        QTest::newRow("Biorythme")
            << 0 << false << bio + comments << (QStringList{date} << cycles << critical) << 12
            << QStringList{QStringLiteral("Mercredi 13/01/2027"), QString(), QString(), QString(),
                           QStringLiteral("Physique, Intellectuel")};
        QTest::newRow("Biorythme, moyenne")
            << 0 << true << bio + comments << QStringList{date, QStringLiteral("Moyenne"), critical}
            << 3 << QStringList{QStringLiteral("Lundi 04/01/2027"), QString(), QString()};
        QTest::newRow("Compatibilité")
            << 1 << false << compat + comments << (QStringList{date} << cycles << critical) << 12
            << QStringList{QStringLiteral("Mercredi 13/01/2027"), QStringLiteral("2,0"),
                           QStringLiteral("-1,5"), QStringLiteral("-0,3"), both};
        QTest::newRow("Compatibilité, moyenne")
            << 1 << true << compat + comments
            << QStringList{date, QStringLiteral("Moyenne"), critical} << 12
            << QStringList{QStringLiteral("Mercredi 13/01/2027"), QStringLiteral("0,0"), both};
        QTest::newRow("Affinité")
            << 2 << false
            << QStringList{QStringLiteral(
                               "Ondaris v3 - Biorythme : Affinités entre deux personnes"),
                           QStringLiteral("Identification 1 : ") + claire,
                           QStringLiteral("Identification 2 : ") + paul, QStringLiteral("|")} +
                   comments
            << QStringList{QStringLiteral("Cycle"), QStringLiteral("Score"),
                           QStringLiteral("Texte")}
            << 3 << QStringList{QStringLiteral("Moyenne"), QString(), QString()};
    }

    void tableOfThePage()
    {
        QFETCH(int, kind);
        QFETCH(bool, average);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, columns);
        QFETCH(int, row);
        QFETCH(QStringList, cells);

        auto doc = Study(kind, m_names);
        QVERIFY(doc);
        std::unique_ptr<ChartView> view(ViewOf(doc.get(), kind));
        if (average)
            static_cast<CurveChartView *>(view.get())->OnAverage();
        QCOMPARE(Texts(view.get()), texts);
        QAccessibleInterface *table = TableOf(view.get());
        QVERIFY(table);
        QCOMPARE(Columns(table), columns);

        const QList<QStringList> drawn = DrawnRows(doc.get(), kind, average);
        QCOMPARE(table->tableInterface()->rowCount(), drawn.size());
        QCOMPARE(table->childCount(), drawn.size() * columns.size());
        for (int r = 0; r < drawn.size(); ++r) {
            const QStringList seen = Row(table, r);
            QCOMPARE(seen.mid(0, drawn.at(r).size()), drawn.at(r));
            QCOMPARE(table->indexOfChild(table->child(r * int(columns.size()) + 1)),
                     r * int(columns.size()) + 1);
        }
        const QStringList seen = Row(table, row);
        for (int c = 0; c < cells.size(); ++c)
            if (!cells.at(c).isEmpty())
                QCOMPARE(seen.at(c), cells.at(c));
        // A day without a critical cycle says nothing in that column.
        if (kind != 2)
            QCOMPARE(Row(table, 3).constLast(), QString());
    }

    // A group's page: its members and best partners as texts, every pair as a row of its table,
    // best first, and the table follows an edit of the members.
    void tableOfAGroupPage()
    {
        CGroupeDoc doc(m_names);
        doc.SetMembers({{QStringLiteral("Claire Fontaine"), COleDateTime(2026, 9, 20)},
                        {QStringLiteral("Paul"), COleDateTime(2026, 9, 9)},
                        {QStringLiteral("Zoé"), COleDateTime(2026, 9, 21)}});
        std::unique_ptr<ChartView> view(new CGroupeView(&doc));
        QCOMPARE(
            Texts(view.get()),
            (QStringList{QStringLiteral("Ondaris v3 - Biorythme : Affinités d'un groupe"),
                         QStringLiteral("Membres et meilleurs partenaires :"),
                         QStringLiteral("1. Claire Fontaine (Dimanche 20/09/2026) : meilleur "
                                        "partenaire 3. Zoé, 92%"),
                         QStringLiteral("2. Paul (Mercredi 09/09/2026) : meilleur partenaire "
                                        "1. Claire Fontaine, 40%"),
                         QStringLiteral("3. Zoé (Lundi 21/09/2026) : meilleur partenaire 1. "
                                        "Claire Fontaine, 92%"),
                         QStringLiteral("|"), QStringLiteral("Commentaires :"), kGroupComment}));
        QAccessibleInterface *table = TableOf(view.get());
        QVERIFY(table);
        QCOMPARE(Columns(table),
                 (QStringList{QStringLiteral("Rang"), QStringLiteral("Paire"),
                              QStringLiteral("Intellectuel"), QStringLiteral("Sentimental"),
                              QStringLiteral("Physique"), QStringLiteral("Moyenne")}));
        QCOMPARE(table->tableInterface()->rowCount(), 3);
        QCOMPARE(Row(table, 0),
                 (QStringList{QStringLiteral("1"), QStringLiteral("Claire Fontaine – Zoé"),
                              QStringLiteral("93%"), QStringLiteral("92%"), QStringLiteral("91%"),
                              QStringLiteral("92%")}));

        doc.SetMembers({{QStringLiteral("Paul"), COleDateTime(2026, 9, 9)},
                        {QStringLiteral("Zoé"), COleDateTime(2026, 9, 21)}});
        doc.UpdateAllViews();
        table = TableOf(view.get());
        QCOMPARE(table->tableInterface()->rowCount(), 1);
        QCOMPARE(Row(table, 0).at(1), QStringLiteral("Paul – Zoé"));
    }

    void tableFollowsTheStartDate()
    {
        auto doc = Study(1, m_names);
        QVERIFY(doc);
        COndarisView2 view(static_cast<COndarisDoc2 *>(doc.get()));
        QAccessibleInterface *table = TableOf(&view);
        QAccessibleInterface *first = table->tableInterface()->cellAt(0, 0);
        QCOMPARE(first->text(QAccessible::Name), QStringLiteral("Vendredi 01/01/2027"));

        OnNextModal([](QDialog *step) {
            step->findChild<QDateEdit *>(QStringLiteral("1010"))->setDate(QDate(2027, 2, 1));
            QTest::mouseClick(step->findChild<QPushButton *>(QStringLiteral("1")), Qt::LeftButton);
        });
        doc->OnEditStartDate();

        // The same cell speaks the new day, and the texts follow.
        QCOMPARE(first->text(QAccessible::Name), QStringLiteral("Lundi 01/02/2027"));
        QCOMPARE(Row(table, 28).constFirst(), QStringLiteral("Lundi 01/03/2027"));
        QCOMPARE(Texts(&view).at(3), QStringLiteral("Date de départ : 01/02/2027"));

        // The average changes the columns.
        view.OnAverage();
        QCOMPARE(table->tableInterface()->columnCount(), 3);
        QCOMPARE(Row(table, 0).at(1), DrawnRows(doc.get(), 1, true).at(0).at(1));
    }

    void dayCursorKeys_data()
    {
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<int>("day");

        // Today is the 6th, day 5, where the cursor starts.
        QTest::newRow("Right") << QList<Qt::Key>{Qt::Key_Right} << 6;
        QTest::newRow("Left twice") << QList<Qt::Key>{Qt::Key_Left, Qt::Key_Left} << 3;
        QTest::newRow("Home") << QList<Qt::Key>{Qt::Key_Home} << 0;
        QTest::newRow("Home, Left stays") << QList<Qt::Key>{Qt::Key_Home, Qt::Key_Left} << 0;
        QTest::newRow("End") << QList<Qt::Key>{Qt::Key_End} << 28;
        QTest::newRow("End, Right stays") << QList<Qt::Key>{Qt::Key_End, Qt::Key_Right} << 28;
        QTest::newRow("Down scrolls") << QList<Qt::Key>{Qt::Key_Down, Qt::Key_PageDown} << 5;
    }

    void dayCursorKeys()
    {
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(int, day);

        auto doc = Study(1, m_names);
        QVERIFY(doc);
        QMainWindow window;
        window.statusBar();
        auto *view = new COndarisView2(static_cast<COndarisDoc2 *>(doc.get()));
        view->SetClock([]() { return QDateTime(QDate(2027, 1, 6), QTime(10, 0)); });
        window.setCentralWidget(view);
        view->OnInitialUpdate();
        window.resize(700, 500);
        window.show();
        view->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(view->TodayDay(), 5);
        QCOMPARE(view->CursorDay(), 5);

        const int scrolled = view->verticalScrollBar()->value();
        for (Qt::Key key : keys)
            QTest::keyClick(view, key);
        QCOMPARE(view->CursorDay(), day);
        if (keys.constFirst() == Qt::Key_Down) {
            QVERIFY(view->verticalScrollBar()->value() > scrolled);
            return;
        }

        // The status bar says on one line what the tool tip says.
        const QString date = DayName(kStart.addDays(day));
        const QString shown = window.statusBar()->currentMessage();
        QVERIFY2(shown.startsWith(date + QStringLiteral(" – Intellectuel : ")),
                 qPrintable(shown + QStringLiteral(" / ") + view->DayText(day)));
        QCOMPARE(shown, view->DayText(day).replace(u'\n', QStringLiteral(" – ")));

        // The accessible focus is on the day's row. (Qt tells the bus of it only where a platform
        // listens, which the offscreen one does not: the desktop test hears it over AT-SPI.)
        QAccessibleInterface *focus = QAccessible::queryAccessibleInterface(view)->focusChild();
        QVERIFY(focus && focus->tableCellInterface());
        QCOMPARE(focus->tableCellInterface()->rowIndex(), day);
        QCOMPARE(focus->text(QAccessible::Name), date);
        QVERIFY(focus->state().focused);
        QCOMPARE(TableOf(view)->tableInterface()->selectedRows(), QList<int>{day});
    }

    void todayMovesAtMidnight()
    {
        auto doc = Study(0, m_names);
        QVERIFY(doc);
        COndarisView view(static_cast<COndarisDoc *>(doc.get()));
        // Outside the page's days: no mark, the cursor on the first day.
        view.SetClock([]() { return QDateTime(QDate(2027, 2, 1), QTime(12, 0)); });
        QCOMPARE(view.TodayDay(), -1);
        QCOMPARE(view.CursorDay(), 0);

        // A few tenths of a second before the midnight that ends the 9th.
        QElapsedTimer elapsed;
        elapsed.start();
        view.SetClock([&elapsed]() {
            return QDateTime(QDate(2027, 1, 9), QTime(23, 59, 59, 700)).addMSecs(elapsed.elapsed());
        });
        QCOMPARE(view.TodayDay(), 8);
        QCOMPARE(view.CursorDay(), 8);
        QTRY_COMPARE_WITH_TIMEOUT(view.TodayDay(), 9, 3000);
        // The cursor stays where the user left it.
        QCOMPARE(view.CursorDay(), 8);
    }

    // The page runs from the 1st to the 29th of January; Right moves the cursor one day on from
    // where it starts, today or the first day.
    void marksOnScreenOnly_data()
    {
        QTest::addColumn<bool>("printing");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("mark");
        QTest::newRow("screen") << false << QDate(2027, 1, 6) << 6 << 5;
        QTest::newRow("screen, today the start day") << false << kStart << 1 << 0;
        QTest::newRow("screen, today the page's last day")
            << false << kStart.addDays(28) << 28 << 28;
        QTest::newRow("screen, today the day after the page")
            << false << kStart.addDays(29) << 1 << -1;
        QTest::newRow("paper") << true << QDate(2027, 1, 6) << -1 << -1;
    }

    void marksOnScreenOnly()
    {
        QFETCH(bool, printing);
        QFETCH(QDate, today);
        QFETCH(int, cursor);
        QFETCH(int, mark);
        auto doc = Study(1, m_names);
        QVERIFY(doc);
        QMainWindow window;
        window.statusBar();
        auto *view = new COndarisView2(static_cast<COndarisDoc2 *>(doc.get()));
        window.setCentralWidget(view);
        view->SetClock([today]() { return QDateTime(today, QTime(10, 0)); });
        QTest::keyClick(view, Qt::Key_Right);

        // L = 20, cw = 8: the columns are 25 wide from x = 96, the chart runs from y = 340 to
        // 340 + 12 a = 544 on screen, where a = 17.
        RecordingDevice dc(UnitsChoice(20, 8), printing);
        view->OnPrepareDC(dc);
        view->OnDraw(dc);
        const QList<RecordingDevice::Call> polygons = dc.callsOf(RecordingDevice::Call::Polygon);
        const QPoint shownToday = TextAt(dc, QStringLiteral("Aujourd'hui"));
        if (printing) {
            QVERIFY(polygons.isEmpty());
            QCOMPARE(shownToday, QPoint(-1, -1));
            return;
        }
        QCOMPARE(polygons.size(), 1);
        // The cursor's day behind its column's lines, and drawn first, under the page.
        const int left = 96 + cursor * 25;
        QCOMPARE(
            polygons.constFirst().points,
            (QList<QPoint>{{left + 1, 341}, {left + 25, 341}, {left + 25, 544}, {left + 1, 544}}));
        QCOMPARE(dc.calls().constFirst().kind, RecordingDevice::Call::Polygon);
        // Centred over today's column, two lines above the chart; nothing on a page without it.
        QCOMPARE(shownToday,
                 mark < 0 ? QPoint(-1, -1) : QPoint(96 + mark * 25 + 12 - 11 * 8 / 2, 300));
        // The status bar reads the cursor's day, inside the page.
        QCOMPARE(window.statusBar()->currentMessage(),
                 view->DayText(cursor).replace(u'\n', QStringLiteral(" – ")));
        QVERIFY(window.statusBar()->currentMessage().startsWith(DayName(kStart.addDays(cursor))));
    }
};

QTEST_MAIN_FRENCH(PageAccessibleTest)
#include "page_accessible_test.moc"
