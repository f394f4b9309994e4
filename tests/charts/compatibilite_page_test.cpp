#include "charts/compatibilite_page.h"
#include "charts/page_frame.h"
#include "people/names_list.h"
#include "recorder.h"
#include "studies/compatibilite_doc.h"

#include <QTest>

using Call = RecordingDevice::Call;

// The Compatibilité page on a recorder with cw = 7 and L = 20: the identity block one row
// taller than the Biorythme one, the chart one L lower.
class CompatibilitePageTest : public QObject
{
    Q_OBJECT

private:
    NamesList m_names;

    std::unique_ptr<COndarisDoc2> Study(const QString &name1, const QString &name2)
    {
        auto doc = std::make_unique<COndarisDoc2>(m_names);
        doc->name1 = name1;
        doc->birthWeekday1 = QStringLiteral("Dimanche");
        doc->birthText1 = QStringLiteral("15/03/1970");
        doc->name2 = name2;
        doc->birthWeekday2 = QStringLiteral("Mardi");
        doc->birthText2 = QStringLiteral("01/01/1980");
        doc->startText = QStringLiteral("05/09/2004");
        const COleDateTime start(2004, 9, 5);
        doc->dayLetters = WeekdayLetterRow(start);
        doc->dayNumbers = DayLabelRow(start);
        doc->curveIntellectual.fill(1.0);
        doc->curveSentimental.fill(0.0);
        doc->curvePhysical.fill(-1.0);
        doc->comment.clear();
        return doc;
    }

private Q_SLOTS:
    void identityBlock()
    {
        auto doc = Study(QStringLiteral("Jeanne"), QStringLiteral("Paul"));
        RecordingDevice dc(UnitsChoice(20, 7));
        DrawCompatibilitePage(dc, *doc, 17, false);

        const QString title =
            QStringLiteral("Ondaris v3 - Compatibilité à partir d'une date donnée");
        QCOMPARE(TextAt(dc, title), QPoint((84 + 722 - 7 * int(title.size())) / 2, 40));
        QCOMPARE(dc.callsOf(Call::Rectangle).first().points,
                 (QList<QPoint>{{84, 100}, {722, 200}}));
        QCOMPARE(TextAt(dc, QStringLiteral("Identification 1 : ")), QPoint(91, 120));
        QCOMPARE(TextAt(dc, QStringLiteral("Identification 2 : ")), QPoint(91, 140));
        QCOMPARE(TextAt(dc, QStringLiteral("Date de départ : ")), QPoint(91, 160));
        // "Identification 1 : " is wider, yet the values follow "Date de départ : ".
        const int valueX = 84 + 17 * 7 + 7;
        QCOMPARE(TextAt(dc, QStringLiteral("Jeanne (Dimanche 15/03/1970)")), QPoint(valueX, 120));
        QCOMPARE(TextAt(dc, QStringLiteral("Paul (Mardi 01/01/1980)")), QPoint(valueX, 140));
        QCOMPARE(TextAt(dc, QStringLiteral("05/09/2004")), QPoint(valueX, 160));
        QCOMPARE(TextAt(dc, QStringLiteral("Graphique :")), QPoint(91, 260));
    }

    void bothAnonymous()
    {
        auto doc = Study(QString(), QString());
        RecordingDevice dc(UnitsChoice(20, 7));
        DrawCompatibilitePage(dc, *doc, 17, false);
        QVERIFY(dc.findText(QStringLiteral("Anonyme (Dimanche 15/03/1970)")));
        QVERIFY(dc.findText(QStringLiteral("Anonyme (Mardi 01/01/1980)")));
    }

    void chartOneLineLower()
    {
        auto doc = Study(QStringLiteral("Jeanne"), QStringLiteral("Paul"));
        RecordingDevice dc(UnitsChoice(20, 7));
        DrawCompatibilitePage(dc, *doc, 17, false);
        const int y0 = 17 * 20, ym = y0 + 6 * 17, yb = y0 + 12 * 17;
        const QList<Call> black = PolylinesIn(dc, QColor(0, 0, 0));
        QCOMPARE(black[0].points, (QList<QPoint>{{84, y0}, {722, y0}}));
        QCOMPARE(PolylinesIn(dc, QColor(180, 180, 180)).first().points,
                 (QList<QPoint>{{84, ym}, {722, ym}}));
        QCOMPARE(PolylinesIn(dc, QColor(0, 0, 128)).first().points[0], QPoint(84, ym + 17));
        QCOMPARE(PolylinesIn(dc, QColor(128, 0, 0)).first().points[0], QPoint(84, ym - 17));
        QCOMPARE(TextAt(dc, QStringLiteral("D")), QPoint(90, y0 - 20));
        QCOMPARE(TextAt(dc, QStringLiteral("Intellectuel")), QPoint(84, yb + 40));
        // An empty comment draws the heading alone.
        QCOMPARE(TextAt(dc, QStringLiteral("Commentaires :")), QPoint(91, yb + 100));
        QCOMPARE(dc.texts().last(), QStringLiteral("Commentaires :"));
    }

    void averageCurve()
    {
        auto doc = Study(QStringLiteral("Jeanne"), QStringLiteral("Paul"));
        RecordingDevice dc(UnitsChoice(20, 7));
        DrawCompatibilitePage(dc, *doc, 17, true);
        QCOMPARE(PolylinesIn(dc, QColor(128, 0, 128)).size(), 1);
        QCOMPARE(PolylinesIn(dc, QColor(0, 128, 0)).size(), 0);
        QVERIFY(dc.findText(QStringLiteral("Moyenne")));
    }
};

QTEST_MAIN(CompatibilitePageTest)
#include "compatibilite_page_test.moc"
