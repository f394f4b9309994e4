#include "charts/study_export.h"
#include "common/exact.h"
#include "core/cycles.h"
#include "studies/affinite_doc.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"
#include "studies/study_bytes.h"
#include "studies/study_loader.h"

#include <QFile>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QXmlStreamReader>
#include <charconv>
#include <libical/ical.h>

using namespace study_bytes;

namespace {

const COleDateTime kClaireBirth(2026, 9, 20);
const COleDateTime kPaulBirth(2026, 9, 9);
const COleDateTime kStart(2027, 1, 1);

// A number of the CSV read as a French spreadsheet reads it, without the locale's help: with a
// decimal comma; a point, or anything else, makes the field a text (not a number).
double Decimal(QString text)
{
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    if (text.contains(u'.'))
        return notANumber;
    const QByteArray number = text.replace(u',', u'.').toLatin1();
    const char *end = number.constData() + number.size();
    double value = 0;
    const auto read = std::from_chars(number.constData(), end, value);
    return read.ec == std::errc() && read.ptr == end ? value : notANumber;
}

// Cells of a CSV column, by day.
using Cells = QMap<int, QString>;

struct Event
{
    QString date;
    QString end;
    QString summary;
    QString uid;
    bool transparent = false;
    bool stamped = false;
};

// The events of an iCalendar text, as libical parses them.
QList<Event> Events(const QByteArray &text)
{
    QList<Event> events;
    icalcomponent *calendar = icalparser_parse_string(text.constData());
    if (!calendar)
        return events;
    for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype start = icalcomponent_get_dtstart(event);
        const icaltimetype end = icalcomponent_get_dtend(event);
        icalproperty *transp = icalcomponent_get_first_property(event, ICAL_TRANSP_PROPERTY);
        events.append(Event{
            start.is_date ? QString::fromLatin1(icaltime_as_ical_string(start)) : QString(),
            end.is_date ? QString::fromLatin1(icaltime_as_ical_string(end)) : QString(),
            QString::fromUtf8(icalcomponent_get_summary(event)),
            QString::fromUtf8(icalcomponent_get_uid(event)),
            transp && icalproperty_get_transp(transp) == ICAL_TRANSP_TRANSPARENT,
            icaltime_is_utc(icalcomponent_get_dtstamp(event)) != 0,
        });
    }
    icalcomponent_free(calendar);
    return events;
}

} // namespace

// Export of a study's days and of its page as SVG, without a window.
class StudyExportTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString Study(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }

    // Claire and Paul, whose critical days the --info test works out by hand.
    QString ClaireAndPaul(const QByteArray &paul = "Paul",
                          const QString &file = QStringLiteral("claire-paul.bi2"))
    {
        return Study(file, File(1, "", "Claire Fontaine", paul,
                                {Date(kClaireBirth), Date(kPaulBirth), Date(kStart)}));
    }

    QByteArray Export(const QString &study, const QString &out, int span, int expectedCode = 0)
    {
        QString messages;
        QTextStream err(&messages);
        const int code = RunExport(out, study, span, err);
        err.flush();
        if (code != expectedCode || (code == 0) != messages.isEmpty()) {
            qWarning().noquote() << messages;
            return QByteArray("failed");
        }
        QFile file(out);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private Q_SLOTS:
    void calendar_data()
    {
        QTest::addColumn<QString>("study");
        QTest::addColumn<int>("span");
        QTest::addColumn<QStringList>("expected"); // start, then summary, of each event

        QTest::newRow("Compatibilité")
            << ClaireAndPaul() << 29
            << QStringList{
                   QStringLiteral("20270101 Jour critique : Physique — Claire Fontaine"),
                   QStringLiteral("20270102 Jour double critique : Physique, Intellectuel — Paul"),
                   QStringLiteral("20270110 Jour critique : Sentimental — Claire Fontaine"),
                   QStringLiteral("20270113 Jour double critique : Physique, Intellectuel — "
                                  "Claire Fontaine"),
                   QStringLiteral("20270113 Jour double critique : Physique, Sentimental — Paul"),
                   QStringLiteral("20270119 Jour critique : Intellectuel — Paul"),
                   QStringLiteral("20270124 Jour double critique : Physique, Sentimental — "
                                  "Claire Fontaine"),
                   QStringLiteral("20270125 Jour critique : Physique — Paul"),
                   QStringLiteral("20270127 Jour critique : Sentimental — Paul"),
               };
        // The same person twice still gives two events, each with its own UID.
        const QString twice = QStringLiteral("20270101 Jour triple critique : Physique, "
                                             "Sentimental, Intellectuel — Léa");
        QTest::newRow("one person twice")
            << Study(QStringLiteral("lea.bi2"), File(1, "",
                                                     "L\xE9"
                                                     "a",
                                                     "L\xE9"
                                                     "a",
                                                     {Date(kStart), Date(kStart), Date(kStart)}))
            << 1 << QStringList{twice, twice};
        // Born on the start date: all three cycles start at zero. The long accented name must
        // come back whole from libical's folded lines.
        const QString longName = QStringLiteral("Éléonore-Géraldine de La Tour-Maubourg et "
                                                "Saint-Évremond");
        QTest::newRow("Biorythme, 12 days")
            << Study(QStringLiteral("eleonore.bio"),
                     File(0, "", longName.toLatin1(), "", {Date(kStart), Date(kStart)}))
            << 12
            << QStringList{QStringLiteral("20270101 Jour triple critique : Physique, Sentimental, "
                                          "Intellectuel — ") +
                               longName,
                           QStringLiteral("20270112 Jour critique : Physique — ") + longName};
    }

    void calendar()
    {
        QFETCH(QString, study);
        QFETCH(int, span);
        QFETCH(QStringList, expected);
        const QString out = m_dir.filePath(QStringLiteral("jours.ics"));
        const QByteArray text = Export(study, out, span);
        QVERIFY2(text.startsWith("BEGIN:VCALENDAR\r\n"), text.constData());
        QVERIFY(text.contains("VERSION:2.0\r\n"));
        QVERIFY(text.contains("DTSTART;VALUE=DATE:"));

        const QList<Event> events = Events(text);
        QStringList written;
        QSet<QString> uids;
        for (const Event &event : events) {
            written << event.date + u' ' + event.summary;
            QCOMPARE(event.end, QDate::fromString(event.date, QStringLiteral("yyyyMMdd"))
                                    .addDays(1)
                                    .toString(QStringLiteral("yyyyMMdd")));
            QVERIFY(event.transparent);
            QVERIFY(event.stamped);
            uids.insert(event.uid);
        }
        QCOMPARE(written, expected);
        QCOMPARE(uids.size(), events.size());

        // A second export of the same study keeps every event's UID.
        QList<QString> again;
        for (const Event &event : Events(Export(study, out, span)))
            again << event.uid;
        QList<QString> first;
        for (const Event &event : events)
            first << event.uid;
        QCOMPARE(again, first);
    }

    void affiniteHasNoCalendar()
    {
        const QString study = Study(QStringLiteral("a.aff"),
                                    File(2, "", "A", "B", {Date(kClaireBirth), Date(kPaulBirth)}));
        const QString out = m_dir.filePath(QStringLiteral("a.ics"));
        QString messages;
        QTextStream err(&messages);
        QCOMPARE(RunExport(out, study, 29, err), 2);
        err.flush();
        QVERIFY2(messages.contains(QStringLiteral("pas de date de départ")), qPrintable(messages));
        QVERIFY(!QFile::exists(out));
    }

    // What a calendar or a table of days can carry: refused, with the last possible date and
    // nothing written, when the span passes it.
    void lastDate_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("span");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("calendar ending on 30/12/3000")
            << QStringLiteral("fin.ics") << QDate(3000, 12, 2) << 29 << QString();
        QTest::newRow("calendar ending on 31/12/3000")
            << QStringLiteral("fin.ics") << QDate(3000, 12, 3) << 29
            << QStringLiteral("30/12/3000, dernière date possible dans un agenda iCalendar.");
        QTest::newRow("calendar from 3001")
            << QStringLiteral("fin.ics") << QDate(3001, 1, 1) << 29 << QStringLiteral("30/12/3000");
        QTest::newRow("table ending on 31/12/9999")
            << QStringLiteral("fin.csv") << QDate(9999, 12, 3) << 29 << QString();
        QTest::newRow("table past 9999") << QStringLiteral("fin.csv") << QDate(9999, 12, 3) << 30
                                         << QStringLiteral("31/12/9999, dernière date possible.");
    }
    void lastDate()
    {
        QFETCH(QString, file);
        QFETCH(QDate, start);
        QFETCH(int, span);
        QFETCH(QString, refusal);
        const QString study = Study(
            QStringLiteral("tard.bi2"),
            File(1, "", "Claire", "Paul",
                 {Date(kClaireBirth), Date(kPaulBirth), Date(COleDateTime::FromQDate(start))}));
        const QString out = m_dir.filePath(file);
        QFile::remove(out);
        QString messages;
        QTextStream err(&messages);
        const int code = RunExport(out, study, span, err);
        err.flush();
        if (!refusal.isEmpty()) {
            QCOMPARE(code, 2);
            QVERIFY2(messages.contains(refusal), qPrintable(messages));
            QVERIFY(!QFile::exists(out));
            return;
        }
        QCOMPARE(code, 0);
        QFile written(out);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray text = written.readAll();
        const QDate last = start.addDays(span - 1);
        if (file.endsWith(QLatin1String(".csv"))) {
            // 31/12/9999 was a Friday.
            const QByteArray lastRow = text.trimmed().split('\n').constLast();
            QVERIFY2(lastRow.startsWith(last.toString(Qt::ISODate).toLatin1() + ";Vendredi;"),
                     lastRow.constData());
            return;
        }
        QVERIFY(!text.contains("00000000"));
        const QList<Event> events = Events(text);
        QVERIFY(!events.isEmpty());
        for (const Event &event : events)
            QVERIFY2(!event.date.isEmpty() && !event.end.isEmpty(), qPrintable(event.summary));
    }

    void calendarWithoutCriticalDay()
    {
        // 04/01/2027 is no critical day of Claire's nor of Paul's.
        const QString study =
            Study(QStringLiteral("calme.bi2"),
                  File(1, "", "Claire", "Paul",
                       {Date(kClaireBirth), Date(kPaulBirth), Date(COleDateTime(2027, 1, 4))}));
        const QString out = m_dir.filePath(QStringLiteral("calme.ics"));
        QString messages;
        QTextStream err(&messages);
        QCOMPARE(RunExport(out, study, 1, err), 2);
        err.flush();
        QCOMPARE(messages,
                 QStringLiteral("Aucun jour critique du 04/01/2027 au 04/01/2027 : l'agenda "
                                "serait vide.\n"));
        QVERIFY(!QFile::exists(out));
    }

    // The calendar's own text: its PRODID, and a name's "," and ";" escaped as iCalendar wants.
    void calendarText()
    {
        const QString study =
            Study(QStringLiteral("virgule.bio"),
                  File(0, "", "Dupont, Jean; fils", "", {Date(kStart), Date(kStart)}));
        QByteArray text = Export(study, m_dir.filePath(QStringLiteral("virgule.ics")), 1);
        text.replace("\r\n ", ""); // unfolded
        QVERIFY2(text.contains("\r\nPRODID:-//Velmora//Ondaris 3//FR\r\n"), text.constData());
        QVERIFY2(text.contains("\r\nSUMMARY:Jour triple critique : Physique\\, Sentimental\\, "
                               "Intellectuel \xE2\x80\x94 Dupont\\, Jean\\; fils\r\n"),
                 text.constData());
    }

    // A person keeps the UIDs of their events from a Biorythme to a Compatibilité study.
    void uidFollowsThePerson()
    {
        const QString alone =
            Study(QStringLiteral("claire.bio"),
                  File(0, "", "Claire Fontaine", "", {Date(kClaireBirth), Date(kStart)}));
        QSet<QString> uids;
        for (const Event &event :
             Events(Export(alone, m_dir.filePath(QStringLiteral("c.ics")), 29)))
            uids.insert(event.uid);
        QVERIFY(!uids.isEmpty());
        // Claire second: her number in the study changes, not her UIDs.
        const QString pair = Study(QStringLiteral("paul-claire.bi2"),
                                   File(1, "", "Paul", "Claire Fontaine",
                                        {Date(kPaulBirth), Date(kClaireBirth), Date(kStart)}));
        QSet<QString> claires;
        for (const Event &event :
             Events(Export(pair, m_dir.filePath(QStringLiteral("pc.ics")), 29))) {
            if (event.summary.endsWith(QStringLiteral("Claire Fontaine")))
                claires.insert(event.uid);
        }
        QCOMPARE(claires, uids);
    }

    void csvOfDays_data()
    {
        QTest::addColumn<QString>("study");
        QTest::addColumn<int>("span");
        QTest::addColumn<Cells>("critical"); // cells of the last column, as written

        // On 13 January both are critical: the cell is quoted for its separator and quotes.
        const QString popol =
            ClaireAndPaul("Paul; dit \"Popol\"", QStringLiteral("claire-popol.bi2"));
        const Cells both{
            {0, QStringLiteral("Physique (Claire Fontaine)")},
            {3, QString()},
            {12, QStringLiteral("\"Physique, Intellectuel (Claire Fontaine) / Physique, "
                                "Sentimental (Paul; dit \"\"Popol\"\")\"")}};
        QTest::newRow("the page's 29 days") << popol << 29 << both;
        QTest::newRow("40 days, past the page's series") << popol << 40 << both;
        QTest::newRow("400 days") << popol << 400 << both;
        // A quote alone is quoted too: strict readers refuse a bare quote in a field.
        QTest::newRow("a quote without a separator")
            << ClaireAndPaul("Paul \"Popol\"", QStringLiteral("claire-quote.bi2")) << 29
            << Cells{{12, QStringLiteral("\"Physique, Intellectuel (Claire Fontaine) "
                                         "/ Physique, Sentimental (Paul \"\"Popol\"\")\"")}};
        // One person: the cycles without a name.
        QTest::newRow("Biorythme")
            << Study(QStringLiteral("claire.bio"),
                     File(0, "", "Claire Fontaine", "", {Date(kClaireBirth), Date(kStart)}))
            << 29
            << Cells{{0, QStringLiteral("Physique")},
                     {3, QString()},
                     {12, QStringLiteral("Physique, Intellectuel")}};
    }

    // Every value reads back to the double that the page draws, bit for bit.
    void csvOfDays()
    {
        QFETCH(QString, study);
        QFETCH(int, span);
        QFETCH(Cells, critical);
        const QByteArray csv = Export(study, m_dir.filePath(QStringLiteral("jours.csv")), span);
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        QVERIFY(csv.endsWith("\r\n"));
        const QStringList lines = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 1 + span + 1);
        QCOMPARE(
            lines[0],
            QStringLiteral("Date;Jour;Intellectuel;Sentimental;Physique;Moyenne;Jours critiques"));

        const LoadedStudy loaded = LoadStudy(study);
        const auto &page = dynamic_cast<const CurvePeriod &>(*loaded.document);
        const auto *bi2 = qobject_cast<const COndarisDoc2 *>(loaded.document.get());
        // Bit for bit (Exact): QCOMPARE would let doubles differ by a tolerance.
        const auto mean = [&](double period, int day) {
            return 0.5 * (CycleValue(period, bi2->startDay - bi2->birthDay1 + day) +
                          CycleValue(period, bi2->startDay - bi2->birthDay2 + day));
        };
        for (int day = 0; day < span; ++day) {
            const QStringList fields = lines[1 + day].split(u';');
            QCOMPARE(fields[0], QDate(2027, 1, 1).addDays(day).toString(Qt::ISODate));
            const double written[] = {Decimal(fields[2]), Decimal(fields[3]), Decimal(fields[4]),
                                      Decimal(fields[5])};
            double expected[4];
            if (day < kSeriesLength) {
                expected[0] = page.curveIntellectual[day];
                expected[1] = page.curveSentimental[day];
                expected[2] = page.curvePhysical[day];
            } else {
                QVERIFY(bi2); // the rows past the series are Compatibilité studies
                expected[0] = mean(kIntellectualPeriod, day);
                expected[1] = mean(kSentimentalPeriod, day);
                expected[2] = mean(kPhysicalPeriod, day);
            }
            expected[3] = CycleAverage(expected[0], expected[1], expected[2]);
            for (int column = 0; column < 4; ++column)
                QCOMPARE(Exact(written[column]), Exact(expected[column]));
        }
        QCOMPARE(lines[1].section(u';', 0, 1), QStringLiteral("2027-01-01;Vendredi"));
        for (auto [day, cell] : critical.asKeyValueRange())
            QCOMPARE(lines[1 + day].section(u';', 6), cell);
    }

    void csvOfScores()
    {
        const QString study = Study(QStringLiteral("b.aff"),
                                    File(2, "", "A", "B", {Date(kClaireBirth), Date(kPaulBirth)}));
        const QByteArray csv = Export(study, m_dir.filePath(QStringLiteral("scores.csv")), 29);
        const QStringList lines = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
        const LoadedStudy loaded = LoadStudy(study);
        const auto &doc = *qobject_cast<const COndarisDoc3 *>(loaded.document.get());
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0], QStringLiteral("Cycle;Score;Texte"));
        QCOMPARE(lines[1].section(u';', 0, 0), QStringLiteral("Intellectuel"));
        QCOMPARE(Exact(Decimal(lines[1].section(u';', 1, 1))), Exact(doc.scoreIntellectual));
        QCOMPARE(lines[1].section(u';', 2), doc.textIntellectual);
        QCOMPARE(lines[4].section(u';', 0, 0), QStringLiteral("Moyenne"));
        QCOMPARE(Exact(Decimal(lines[4].section(u';', 1, 1))), Exact(doc.scoreAverage));
    }

    // The SVG is the printed page: well-formed XML holding the page's texts.
    void svgPage()
    {
        const QString study = ClaireAndPaul();
        const QByteArray svg = Export(study, m_dir.filePath(QStringLiteral("page.svg")), 29);
        QXmlStreamReader xml(svg);
        QStringList texts;
        QString root;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (root.isEmpty())
                root = xml.name().toString();
            if (xml.name() == QLatin1String("text"))
                texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(root, QStringLiteral("svg"));
        for (const QString &text :
             {QStringLiteral("Ondaris v3 - Compatibilité à partir d'une date donnée"),
              QStringLiteral("Identification 1 : "), QStringLiteral("Graphique :"),
              QStringLiteral("Sentimental"), QStringLiteral("Commentaires :")})
            QVERIFY2(texts.contains(text),
                     qPrintable(text + QStringLiteral(" in ") + texts.join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(StudyExportTest)
#include "study_export_test.moc"
