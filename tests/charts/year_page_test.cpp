#include "charts/page_frame.h"
#include "charts/year_page.h"
#include "core/calendar.h"
#include "people/names_list.h"
#include "recorder.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"
#include "studies/study_bytes.h"

#include <QTest>

using Call = RecordingDevice::Call;
using namespace study_bytes;

namespace {

// The rectangles drawn, without the identity block (the first).
QList<Call> Cells(const RecordingDevice &dc)
{
    QList<Call> cells = dc.callsOf(Call::Rectangle);
    cells.removeFirst();
    return cells;
}

const Call *RectangleAt(const QList<Call> &cells, const QPoint &topLeft)
{
    for (const Call &call : cells) {
        if (call.points.first() == topLeft)
            return &call;
    }
    return nullptr;
}

} // namespace

// The year page on a recorder with cw = 7 and L = 20: twelve rows of cells from the month of
// the start date, shaded by the curve's value, the critical days by their initials.
class YearPageTest : public QObject
{
    Q_OBJECT

private:
    NamesList m_names;
    const QDate m_birth{1970, 3, 15};
    const QDate m_start{2028, 2, 10};

    std::unique_ptr<COndarisDoc> Study()
    {
        auto doc = std::make_unique<COndarisDoc>(m_names);
        if (!Read(*doc, File(0, "", "Jean", "",
                             {Date(COleDateTime::FromQDate(m_birth)),
                              Date(COleDateTime::FromQDate(m_start))}))
                 .isEmpty())
            return nullptr;
        return doc;
    }

    int Lived(const QDate &date) const
    {
        return DayNumber(date.year(), date.month(), date.day()) -
               DayNumber(m_birth.year(), m_birth.month(), m_birth.day());
    }

private Q_SLOTS:
    void frameAndHeader()
    {
        const auto doc = Study();
        RecordingDevice dc(UnitsChoice(20, 7));
        const QSize extent = DrawStudyYearPage(dc, *doc, 17, StudyYear::Curve::Moyenne);

        const int left = 6 * 7;
        const int cellsLeft = left + 19 * 7;
        const int right = cellsLeft + 31 * 28;
        const QString title = QStringLiteral("Ondaris v3 - Biorythme sur une année");
        QCOMPARE(TextAt(dc, title), QPoint((left + right - 7 * int(title.size())) / 2, 40));
        QCOMPARE(dc.callsOf(Call::Rectangle).first().points,
                 (QList<QPoint>{{left, 100}, {right, 200}}));
        const int valueX = left + 17 * 7 + 7;
        QCOMPARE(TextAt(dc, QStringLiteral("Identification : ")), QPoint(left + 7, 120));
        QCOMPARE(TextAt(dc, QStringLiteral("Date de départ : ")), QPoint(left + 7, 140));
        QCOMPARE(TextAt(dc, QStringLiteral("Courbe : ")), QPoint(left + 7, 160));
        QCOMPARE(TextAt(dc, QStringLiteral("Moyenne")), QPoint(valueX, 160));
        // The days of the month above the columns, the months down the left.
        const int top = 13 * 20;
        QCOMPARE(TextAt(dc, QStringLiteral("31")),
                 QPoint(cellsLeft + 30 * 28 + (28 - 14) / 2, top - 30));
        QCOMPARE(TextAt(dc, QStringLiteral("Février 2028")), QPoint(left + 7, top + 10));
        QCOMPARE(dc.findText(QStringLiteral("Mars 2028"))->textBackground, QColor(255, 255, 255));
        QCOMPARE(TextAt(dc, QStringLiteral("Janvier 2029")), QPoint(left + 7, top + 11 * 40 + 10));
        // The legend under the last row, then the page's end.
        const int legend = top + 12 * 40 + 20;
        QCOMPARE(TextAt(dc, QStringLiteral("de -5 à -2,5 : phase haute")),
                 QPoint(left + 28 + 7, legend + 10));
        QCOMPARE(TextAt(dc, QStringLiteral("Jours critiques : P Physique, S Sentimental, I "
                                           "Intellectuel")),
                 QPoint(left, legend + 40 + 20));
        QCOMPARE(extent, QSize(right + left, legend + 40 + 40 + 20));
        // What the page selected is given back.
        QCOMPARE(dc.state().font, FontSpec());
        QCOMPARE(dc.state().brush, QColor(255, 255, 255));
    }

    void cells_data()
    {
        QTest::addColumn<int>("curve");
        QTest::newRow("Intellectuel") << int(StudyYear::Curve::Intellectuel);
        QTest::newRow("Physique") << int(StudyYear::Curve::Physique);
        QTest::newRow("Moyenne") << int(StudyYear::Curve::Moyenne);
    }

    void cells()
    {
        QFETCH(int, curve);
        const auto chosen = StudyYear::Curve(curve);
        const auto doc = Study();
        RecordingDevice dc(UnitsChoice(20, 7));
        DrawStudyYearPage(dc, *doc, 17, chosen);
        const QList<Call> cells = Cells(dc);
        const QList<Call> texts = dc.callsOf(Call::Text);
        QCOMPARE(cells.size(), 366 + kShadeSteps); // 29 February 2028 included, and the legend

        const int cellsLeft = 6 * 7 + 19 * 7;
        const int top = 13 * 20;
        int critical = 0;
        for (int row = 0; row < 12; ++row) {
            const QDate month = QDate(2028, 2, 1).addMonths(row);
            for (int column = 0; column < 31; ++column) {
                const QPoint corner(cellsLeft + column * 28, top + row * 40);
                const Call *cell = RectangleAt(cells, corner);
                QCOMPARE(cell != nullptr, column < month.daysInMonth());
                if (!cell)
                    continue;
                QCOMPARE(cell->points.last(), corner + QPoint(28, 40));
                const QDate date = month.addDays(column);
                const int lived = Lived(date);
                const double values[3] = {CycleValue(33, lived), CycleValue(28, lived),
                                          CycleValue(23, lived)};
                const double value = chosen == StudyYear::Curve::Moyenne
                                         ? CycleAverage(values[0], values[1], values[2])
                                     : chosen == StudyYear::Curve::Intellectuel ? values[0]
                                                                                : values[2];
                const YearShade shade = ShadeOf(ShadeStep(value), chosen);
                QCOMPARE(cell->brush, shade.fill);
                const Call *sign = nullptr;
                for (const Call &text : texts) {
                    if (text.points.first() == corner + QPoint(3, 1))
                        sign = &text;
                }
                QVERIFY(sign);
                QCOMPARE(sign->text, shade.sign);
                // On the cell's own shade, not on a white patch.
                QCOMPARE(sign->textBackground, shade.fill);
                QString initials;
                for (const QString &name : CycleNames(CriticalCycles(lived)))
                    initials += name.front();
                const Call *letters = nullptr;
                for (const Call &text : texts) {
                    if (text.points.first() == corner + QPoint(3, 20))
                        letters = &text;
                }
                QCOMPARE(letters ? letters->text : QString(), initials);
                if (letters)
                    QCOMPARE(letters->textBackground, shade.fill);
                critical += !initials.isEmpty();
            }
        }
        QVERIFY(critical > 50);
    }

    // Four steps that darken with the height, each with its sign, so that the scale reads in grey.
    void shades()
    {
        QCOMPARE(ShadeStep(-5), 0);
        QCOMPARE(ShadeStep(-2.5), 1);
        QCOMPARE(ShadeStep(-0.001), 1);
        QCOMPARE(ShadeStep(0), 2);
        QCOMPARE(ShadeStep(2.5), 3);
        QStringList signs;
        for (int step = 0; step < kShadeSteps; ++step) {
            signs << ShadeOf(step, StudyYear::Curve::Sentimental).sign;
            if (step > 0)
                QVERIFY(ShadeOf(step, StudyYear::Curve::Sentimental).fill.lightness() >
                        ShadeOf(step - 1, StudyYear::Curve::Sentimental).fill.lightness());
        }
        QCOMPARE(signs.removeDuplicates(), 0);
    }

    void compatibilite()
    {
        auto doc = std::make_unique<COndarisDoc2>(m_names);
        QCOMPARE(Read(*doc, File(1, "", "Claire", "",
                                 {Date(COleDateTime(1970, 3, 15)), Date(COleDateTime(1982, 11, 2)),
                                  Date(COleDateTime(2026, 12, 31))})),
                 QString());
        RecordingDevice dc(UnitsChoice(20, 7));
        DrawStudyYearPage(dc, *doc, 17, StudyYear::Curve::Sentimental);
        QVERIFY(dc.findText(QStringLiteral("Ondaris v3 - Compatibilité sur une année")));
        QCOMPARE(TextAt(dc, QStringLiteral("Identification 2 : ")), QPoint(49, 140));
        QCOMPARE(TextAt(dc, QStringLiteral("Courbe : ")), QPoint(49, 180));
        // One row lower for the second person.
        QCOMPARE(TextAt(dc, QStringLiteral("Décembre 2026")), QPoint(49, 14 * 20 + 10));
        QCOMPARE(TextAt(dc, QStringLiteral("Novembre 2027")), QPoint(49, 14 * 20 + 11 * 40 + 10));
        QCOMPARE(Cells(dc).size(), 365 + kShadeSteps);
    }
};

QTEST_MAIN(YearPageTest)
#include "year_page_test.moc"
