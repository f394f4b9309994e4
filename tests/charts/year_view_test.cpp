#include "charts/year_view.h"
#include "common/french_locale.h"
#include "people/names_list.h"
#include "recorder.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"
#include "studies/study_bytes.h"

#include <QAccessible>
#include <QBuffer>
#include <QComboBox>
#include <QMainWindow>
#include <QPdfWriter>
#include <QStatusBar>
#include <QTest>

using namespace study_bytes;
using Call = RecordingDevice::Call;

Q_DECLARE_METATYPE(QList<QKeyCombination>)

namespace {

// Claire, born on 20 September 2026, and Paul, on 9 September; the study starts on 1 January 2027,
// so its year runs to 31 December 2027. Today is 6 January.
std::unique_ptr<CDocument> Study(int kind, NamesList &names)
{
    auto doc = Make(kind, names);
    const QString error =
        Read(*doc, File(kind, "", "Claire Fontaine", "Paul",
                        {Date(COleDateTime(2026, 9, 20)), Date(COleDateTime(2026, 9, 9)),
                         Date(COleDateTime(2027, 1, 1))}));
    return error.isEmpty() ? std::move(doc) : nullptr;
}

YearView *ViewOn(CDocument &doc)
{
    YearView *view = CreateYearViewFor(&doc);
    view->SetClock([]() { return QDateTime(QDate(2027, 1, 6), QTime(10, 0)); });
    return view;
}

QAccessibleInterface *TableOf(QWidget *view)
{
    QAccessibleInterface *page = QAccessible::queryAccessibleInterface(view);
    for (int i = 0; i < page->childCount(); ++i)
        if (page->child(i)->role() == QAccessible::Table)
            return page->child(i);
    return nullptr;
}

} // namespace

class YearViewTest : public QObject
{
    Q_OBJECT

private:
    NamesList m_names;

private Q_SLOTS:
    void cursorKeys_data()
    {
        QTest::addColumn<QList<QKeyCombination>>("keys");
        QTest::addColumn<QDate>("date");
        const auto key = [](Qt::Key k, Qt::KeyboardModifiers m = {}) {
            return QKeyCombination(m, k);
        };
        QTest::newRow("right") << QList{key(Qt::Key_Right)} << QDate(2027, 1, 7);
        QTest::newRow("down a month") << QList{key(Qt::Key_Down)} << QDate(2027, 2, 6);
        QTest::newRow("down into a shorter month")
            << QList{key(Qt::Key_End), key(Qt::Key_Down)} << QDate(2027, 2, 28);
        QTest::newRow("right across the month's end")
            << QList{key(Qt::Key_End), key(Qt::Key_Right)} << QDate(2027, 2, 1);
        QTest::newRow("home") << QList{key(Qt::Key_Home)} << QDate(2027, 1, 1);
        QTest::newRow("left stops at the first day")
            << QList{key(Qt::Key_Home), key(Qt::Key_Left), key(Qt::Key_Up)} << QDate(2027, 1, 1);
        QTest::newRow("page down, the last month")
            << QList{key(Qt::Key_PageDown)} << QDate(2027, 12, 6);
        QTest::newRow("page up again")
            << QList{key(Qt::Key_PageDown), key(Qt::Key_PageUp)} << QDate(2027, 1, 6);
        QTest::newRow("ctrl+end, the year's last day, and no further")
            << QList{key(Qt::Key_End, Qt::ControlModifier), key(Qt::Key_Right), key(Qt::Key_Down)}
            << QDate(2027, 12, 31);
        QTest::newRow("ctrl+home")
            << QList{key(Qt::Key_PageDown), key(Qt::Key_Home, Qt::ControlModifier)}
            << QDate(2027, 1, 1);
    }

    // The keys move the cursor; the status bar and the accessible focus follow it.
    void cursorKeys()
    {
        QFETCH(QList<QKeyCombination>, keys);
        QFETCH(QDate, date);
        auto doc = Study(1, m_names);
        QVERIFY(doc);
        QMainWindow window;
        window.statusBar();
        YearView *view = ViewOn(*doc);
        window.setCentralWidget(view);
        view->OnInitialUpdate();
        window.resize(700, 500);
        window.show();
        view->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(view->Today(), std::make_optional(QDate(2027, 1, 6)));
        QCOMPARE(view->CursorDate(), QDate(2027, 1, 6));

        for (const QKeyCombination &combination : keys)
            QTest::keyClick(view, combination.key(), combination.keyboardModifiers());
        QCOMPARE(view->CursorDate(), date);

        const QString text = view->DayText(date);
        QVERIFY2(text.startsWith(WeekdayName(COleDateTime::FromQDate(date)) + u' ' +
                                 DateText(COleDateTime::FromQDate(date)) +
                                 QStringLiteral("\nMoyenne : ")),
                 qPrintable(text));
        QCOMPARE(window.statusBar()->currentMessage(),
                 QString(text).replace(u'\n', QStringLiteral(" – ")));

        // The accessible focus is on the day's cell, which reads as the tool tip.
        QAccessibleInterface *focus = QAccessible::queryAccessibleInterface(view)->focusChild();
        QVERIFY(focus && focus->tableCellInterface());
        QCOMPARE(focus->tableCellInterface()->rowIndex(), date.month() - 1);
        QCOMPARE(focus->tableCellInterface()->columnIndex(), date.day());
        QCOMPARE(focus->text(QAccessible::Name),
                 QString(text).replace(u'\n', QStringLiteral(" – ")));
        QVERIFY(focus->tableCellInterface()->isSelected());

        // Another curve: the status bar gives the day's three values.
        QComboBox *chooser = view->CurveChooser();
        chooser->setCurrentIndex(chooser->findText(QStringLiteral("Sentimental")));
        Q_EMIT chooser->activated(chooser->currentIndex());
        QVERIFY(window.statusBar()->currentMessage().contains(QStringLiteral(" – Sentimental : ")));
        QVERIFY(!TableOf(view)->tableInterface()->cellAt(0, 0)->tableCellInterface()->isSelected());
    }

    // A table of the months by their days; a cell past a month's end is empty.
    void accessibleTable()
    {
        auto doc = Study(0, m_names);
        QVERIFY(doc);
        std::unique_ptr<YearView> view(ViewOn(*doc));
        QAccessibleTableInterface *table = TableOf(view.get())->tableInterface();
        QCOMPARE(table->rowCount(), 12);
        QCOMPARE(table->columnCount(), 32);
        QCOMPARE(table->cellAt(1, 0)->text(QAccessible::Name), QStringLiteral("Février 2027"));
        QCOMPARE(table->cellAt(1, 29)->text(QAccessible::Name), QString());
        QCOMPARE(table->cellAt(11, 31)->text(QAccessible::Name),
                 view->DayText(QDate(2027, 12, 31)).replace(u'\n', QStringLiteral(" – ")));
        QVERIFY(view->Reading().textsBefore.contains(QStringLiteral("Courbe : Moyenne")));

        // Another curve: three values in each tool tip.
        QComboBox *chooser = view->CurveChooser();
        chooser->setCurrentIndex(chooser->findText(QStringLiteral("Physique")));
        Q_EMIT chooser->activated(chooser->currentIndex());
        QCOMPARE(view->Curve(), StudyYear::Curve::Physique);
        QVERIFY(view->Reading().textsBefore.contains(QStringLiteral("Courbe : Physique")));
        QVERIFY(
            table->cellAt(0, 13)->text(QAccessible::Name).contains(QStringLiteral("Physique : ")));
    }

    // A new start date moves the whole year, and the cursor to the new year's first day.
    void followsTheStudy()
    {
        auto doc = Study(0, m_names);
        QVERIFY(doc);
        std::unique_ptr<YearView> view(ViewOn(*doc));
        auto *bio = static_cast<COndarisDoc *>(doc.get());
        QVERIFY(Read(*bio, File(0, "", "Claire", "",
                                {Date(COleDateTime(2026, 9, 20)), Date(COleDateTime(2028, 3, 15))}))
                    .isEmpty());
        doc->UpdateAllViews();
        QCOMPARE(view->Reading().rows.constFirst().constFirst(), QStringLiteral("Mars 2028"));
        QCOMPARE(view->Today(), std::nullopt);
        QCOMPARE(view->CursorDate(), QDate(2028, 3, 15));
        RecordingDevice dc(UnitsChoice(20, 8));
        view->OnPrepareDC(dc);
        view->OnDraw(dc);
        QVERIFY(dc.findText(QStringLiteral("Février 2029")));
    }

    void marksOnScreenOnly_data()
    {
        QTest::addColumn<bool>("printing");
        QTest::newRow("screen") << false;
        QTest::newRow("paper") << true;
    }

    // The cursor and today outlined over the page on screen, never on paper.
    void marksOnScreenOnly()
    {
        QFETCH(bool, printing);
        auto doc = Study(0, m_names);
        QVERIFY(doc);
        std::unique_ptr<YearView> view(ViewOn(*doc));
        QTest::keyClick(view.get(), Qt::Key_Down);
        RecordingDevice dc(UnitsChoice(20, 8), printing);
        view->OnPrepareDC(dc);
        view->OnDraw(dc);
        QList<QList<QPoint>> outlines;
        for (const Call &call : dc.callsOf(Call::Polyline))
            outlines << call.points;
        if (printing) {
            QVERIFY(outlines.isEmpty());
            return;
        }
        // L = 20, cw = 8: cells 32 wide from x = 48 + 152, rows 40 high from y = 13 L.
        QCOMPARE(outlines.size(), 2);
        const QPoint today(200 + 5 * 32, 260);
        QCOMPARE(outlines.at(0).constFirst(), today + QPoint(2, 2));
        QCOMPARE(outlines.at(0).at(2), today + QPoint(32 - 2, 40 - 2));
        QCOMPARE(outlines.at(1).constFirst(), today + QPoint(0, 40));
        QCOMPARE(dc.calls().constLast().kind, Call::Polyline);
    }

    // The page prints on a landscape sheet, whatever the printer was set to.
    void printsLandscape()
    {
        auto doc = Study(1, m_names);
        QVERIFY(doc);
        std::unique_ptr<YearView> view(ViewOn(*doc));
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        QVERIFY(view->PrintPage(writer));
        QCOMPARE(writer.pageLayout().orientation(), QPageLayout::Landscape);
        QVERIFY(pdf.data().startsWith("%PDF"));
    }

    void noYearForAnAffinite()
    {
        auto doc = Study(2, m_names);
        QVERIFY(doc);
        QCOMPARE(CreateYearViewFor(doc.get()), nullptr);
    }
};

QTEST_MAIN_FRENCH(YearViewTest)
#include "year_view_test.moc"
