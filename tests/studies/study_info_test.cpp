#include "common/french_locale.h"
#include "framework/file_messages.h"
#include "studies/affinite_doc.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"
#include "studies/study_info.h"
#include "studies/study_loader.h"
#include "study_bytes.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <charconv>
#include <limits>

using namespace study_bytes;

namespace {

const COleDateTime kBirth1(1970, 3, 15);
const COleDateTime kBirth2(1982, 11, 2);
const COleDateTime kStart(2004, 9, 1);

struct Run
{
    int code;
    QString out;
    QString err;
};

Run RunInfo(const QString &path, bool json, int span = StudyDays::kPageSpan)
{
    Run run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.code = RunStudyInfo(path, json, span, out, err);
    return run;
}

// Every number of the JSON text, read back by the standard library rather than by Qt; from_chars,
// unlike strtod, ignores the locale's decimal comma.
QList<double> NumbersIn(const QByteArray &json, const QByteArray &key)
{
    const qsizetype at = json.indexOf('"' + key + '"');
    const qsizetype open = json.indexOf('[', at);
    const qsizetype close = json.indexOf(']', open);
    QList<double> values;
    for (const QByteArray &item : json.mid(open + 1, close - open - 1).split(',')) {
        const QByteArray number = item.trimmed();
        double value = std::numeric_limits<double>::quiet_NaN();
        std::from_chars(number.constData(), number.constData() + number.size(), value);
        values.append(value);
    }
    return values;
}

} // namespace

class StudyInfoTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void jsonOfEachKind_data();
    void jsonOfEachKind();
    void jsonNumbersReadBackExactly();
    void jsonOfAGroup();
    void textOfABiorythme();
    void criticalDaysText_data();
    void criticalDaysText();
    void criticalDaysJson();
    void failures_data();
    void failures();
    void lastDate_data();
    void lastDate();

private:
    QString WriteStudy(const QString &name, const QByteArray &bytes);
    QTemporaryDir m_dir;
};

void StudyInfoTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QString StudyInfoTest::WriteStudy(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

void StudyInfoTest::jsonOfEachKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("keys");
    const QStringList common{QStringLiteral("comment"), QStringLiteral("persons"),
                             QStringLiteral("type")};
    const QStringList start{QStringLiteral("curveIntellectual"), QStringLiteral("curvePhysical"),
                            QStringLiteral("criticalDays"),      QStringLiteral("curveSentimental"),
                            QStringLiteral("dayLetters"),        QStringLiteral("dayNumbers"),
                            QStringLiteral("startDate"),         QStringLiteral("startDay"),
                            QStringLiteral("startText")};
    const QStringList scores{QStringLiteral("scoreAverage"),  QStringLiteral("scoreIntellectual"),
                             QStringLiteral("scorePhysical"), QStringLiteral("scoreSentimental"),
                             QStringLiteral("textAverage"),   QStringLiteral("textIntellectual"),
                             QStringLiteral("textPhysical"),  QStringLiteral("textSentimental")};
    QTest::newRow("bio") << 0 << QStringLiteral("a.bio") << QStringLiteral("Biorythme")
                         << common + start;
    QTest::newRow("bi2") << 1 << QStringLiteral("a.BI2") << QStringLiteral("Compatibilité")
                         << common + start;
    QTest::newRow("aff") << 2 << QStringLiteral("a.aff") << QStringLiteral("Affinité")
                         << common + scores;
}

void StudyInfoTest::jsonOfEachKind()
{
    QFETCH(int, kind);
    QFETCH(QString, fileName);
    QFETCH(QString, type);
    QFETCH(QStringList, keys);
    const QString path = WriteStudy(fileName, File(kind, "Ligne 1\r\nLigne 2", "\xC9lise", "",
                                                   {Date(kBirth1), Date(kBirth2), Date(kStart)}));
    const Run run = RunInfo(path, true);
    QCOMPARE(run.code, 0);
    QCOMPARE(run.err, QString());
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    keys.sort();
    QCOMPARE(object.keys(), keys);
    QCOMPARE(object.value(QStringLiteral("type")).toString(), type);
    QCOMPARE(object.value(QStringLiteral("comment")).toString(),
             QStringLiteral("Ligne 1\r\nLigne 2"));

    const QJsonArray persons = object.value(QStringLiteral("persons")).toArray();
    QCOMPARE(persons.size(), kind == 0 ? 1 : 2);
    const QJsonObject first = persons.at(0).toObject();
    QCOMPARE(first.value(QStringLiteral("name")).toString(), QStringLiteral("Élise"));
    QCOMPARE(first.value(QStringLiteral("birthDate")).toString(), QStringLiteral("1970-03-15"));
    QCOMPARE(first.value(QStringLiteral("birthWeekday")).toString(), QStringLiteral("Dimanche"));
    QCOMPARE(first.value(QStringLiteral("birthText")).toString(), QStringLiteral("15/03/1970"));
    QCOMPARE(first.value(QStringLiteral("birthDay")).toInt(), DayNumber(kBirth1));
    if (kind != 0)
        QCOMPARE(persons.at(1).toObject().value(QStringLiteral("birthDate")).toString(),
                 QStringLiteral("1982-11-02"));

    if (kind != 2) {
        QCOMPARE(object.value(QStringLiteral("startDate")).toString(),
                 QStringLiteral("2004-09-01"));
        QCOMPARE(object.value(QStringLiteral("startText")).toString(),
                 QStringLiteral("01/09/2004"));
        QCOMPARE(object.value(QStringLiteral("dayLetters")).toString().size(), 29);
        const QString labels = object.value(QStringLiteral("dayNumbers")).toString();
        QCOMPARE(labels.size(), 58);
        QVERIFY(labels.startsWith(QStringLiteral(" 1 2 3")));
        QCOMPARE(object.value(QStringLiteral("curvePhysical")).toArray().size(), 31);
    } else {
        QCOMPARE(object.value(QStringLiteral("textAverage")).toString().toInt(),
                 int(object.value(QStringLiteral("scoreAverage")).toDouble()));
    }
}

void StudyInfoTest::jsonNumbersReadBackExactly()
{
    const QString path =
        WriteStudy(QStringLiteral("b.bi2"),
                   File(1, "", "A", "B", {Date(kBirth1), Date(kBirth2), Date(kStart)}));
    const Run run = RunInfo(path, true);
    const LoadedStudy study = LoadStudy(path);
    const auto &doc = *qobject_cast<const COndarisDoc2 *>(study.document.get());
    const QByteArray json = run.out.toUtf8();
    const QList<double> physical = NumbersIn(json, "curvePhysical");
    QCOMPARE(physical.size(), 31);
    for (int k = 0; k < 31; ++k)
        QCOMPARE(physical[k], doc.curvePhysical[k]);
    const QList<double> intellectual = NumbersIn(json, "curveIntellectual");
    for (int k = 0; k < 31; ++k)
        QCOMPARE(intellectual[k], doc.curveIntellectual[k]);
}

// Each pair under the Affinité study's own keys and values, its persons numbered from 1 in the
// order of the file.
void StudyInfoTest::jsonOfAGroup()
{
    const QList<COleDateTime> births{kBirth1, kBirth2, COleDateTime(1970, 3, 16)};
    QByteArray group = Int32(1) + Text("") + Int32(3);
    for (const COleDateTime &birth : births)
        group += Text("M") + Date(birth);
    const Run run = RunInfo(WriteStudy(QStringLiteral("g.grp"), group), true);
    QCOMPARE(run.code, 0);
    const QJsonObject object = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(object.keys(), (QStringList{QStringLiteral("bestPartners"), QStringLiteral("comment"),
                                         QStringLiteral("pairs"), QStringLiteral("persons"),
                                         QStringLiteral("type")}));
    QCOMPARE(object.value(QStringLiteral("type")).toString(), QStringLiteral("Groupe"));
    QCOMPARE(object.value(QStringLiteral("persons")).toArray().size(), 3);
    const QJsonArray pairs = object.value(QStringLiteral("pairs")).toArray();
    const QList<QPair<int, int>> order{{1, 2}, {1, 3}, {2, 3}};
    QCOMPARE(pairs.size(), order.size());
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        QJsonObject pair = pairs.at(i).toObject();
        const int person1 = pair.take(QStringLiteral("person1")).toInt();
        const int person2 = pair.take(QStringLiteral("person2")).toInt();
        QCOMPARE((QPair<int, int>{person1, person2}), order.at(i));
        const QString aff = WriteStudy(
            QStringLiteral("p.aff"),
            File(2, "", "M", "M", {Date(births.at(person1 - 1)), Date(births.at(person2 - 1))}));
        QJsonObject affinite = QJsonDocument::fromJson(RunInfo(aff, true).out.toUtf8()).object();
        for (const char *key : {"comment", "persons", "type"})
            affinite.remove(QLatin1String(key));
        QCOMPARE(pair, affinite);
    }
    // Persons 1 and 3 are born a day apart: each other's best partner.
    const QJsonArray best = object.value(QStringLiteral("bestPartners")).toArray();
    QCOMPARE(best.size(), 3);
    QCOMPARE(best.at(0).toObject().value(QStringLiteral("person")).toInt(), 1);
    QCOMPARE(best.at(0).toObject().value(QStringLiteral("partner")).toInt(), 3);
    QCOMPARE(best.at(2).toObject().value(QStringLiteral("partner")).toInt(), 1);
    QCOMPARE(best.at(0).toObject().value(QStringLiteral("scoreAverage")),
             pairs.at(1).toObject().value(QStringLiteral("scoreAverage")));
}

void StudyInfoTest::textOfABiorythme()
{
    const QString path = WriteStudy(QStringLiteral("c.bio"), File(0, "Ligne 1\r\nLigne 2", "", "",
                                                                  {Date(kBirth1), Date(kStart)}));
    const Run run = RunInfo(path, false);
    QCOMPARE(run.code, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("Étude : Biorythme"));
    QCOMPARE(lines.value(1), QStringLiteral("Personne : Anonyme"));
    QCOMPARE(lines.value(2),
             QStringLiteral("  Naissance : Dimanche 15/03/1970 (jour %1)").arg(DayNumber(kBirth1)));
    QCOMPARE(lines.value(3),
             QStringLiteral("Départ : 01/09/2004 (jour %1)").arg(DayNumber(kStart)));
    QVERIFY(lines.value(4).startsWith(QStringLiteral("Jours : M")));
    QVERIFY(lines.value(6).startsWith(QStringLiteral("Intellectuel : ")));
    QCOMPARE(lines.value(6).split(QLatin1Char(' ')).size(), 2 + 31);
    QCOMPARE(lines.value(9), QStringLiteral("Jours critiques :"));
    const qsizetype comment = lines.indexOf(QStringLiteral("Commentaire :"));
    QCOMPARE(lines.mid(comment),
             (QStringList{QStringLiteral("Commentaire :"), QStringLiteral("  Ligne 1"),
                          QStringLiteral("  Ligne 2"), QString()}));
}

// Claire, born on 20 September 2026, is 103 days old on 1 January 2027: her 23-day cycle
// crosses zero at 103.5, her 28-day cycle at 112, both her 23- and 33-day ones at 115.5 (5 x 23
// and 3.5 x 33) and her 23- and 28-day ones at 126 and 126.5.
void StudyInfoTest::criticalDaysText_data()
{
    QTest::addColumn<int>("span");
    QTest::addColumn<QStringList>("expected");
    const QStringList all{
        QStringLiteral("  Vendredi 01/01/2027 : Physique (Claire Fontaine)"),
        QStringLiteral("  Dimanche 10/01/2027 : Sentimental (Claire Fontaine)"),
        QStringLiteral("  Mercredi 13/01/2027 : Physique, Intellectuel (Claire Fontaine)"),
        QStringLiteral("  Dimanche 24/01/2027 : Physique, Sentimental (Claire Fontaine)"),
    };
    QTest::newRow("the page's 29 days") << StudyDays::kPageSpan << all;
    QTest::newRow("--days 13") << 13 << all.mid(0, 3);
    QTest::newRow("--days 12") << 12 << all.mid(0, 2);
}

void StudyInfoTest::criticalDaysText()
{
    QFETCH(int, span);
    QFETCH(QStringList, expected);
    const QString path =
        WriteStudy(QStringLiteral("claire.bio"),
                   File(0, "", "Claire Fontaine", "",
                        {Date(COleDateTime(2026, 9, 20)), Date(COleDateTime(2027, 1, 1))}));
    const Run run = RunInfo(path, false, span);
    QCOMPARE(run.code, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    const qsizetype from = lines.indexOf(QStringLiteral("Jours critiques :")) + 1;
    QVERIFY(from > 0);
    QCOMPARE(lines.mid(from, lines.indexOf(QStringLiteral("Commentaire :")) - from), expected);
}

// Paul, born eleven days before Claire, is 126 days old on 13 January 2027 (5 x 23 + 11 and
// 9 x 14): the same day as Claire's, listed after hers.
void StudyInfoTest::criticalDaysJson()
{
    const QString path =
        WriteStudy(QStringLiteral("claire-paul.bi2"),
                   File(1, "", "Claire Fontaine", "Paul",
                        {Date(COleDateTime(2026, 9, 20)), Date(COleDateTime(2026, 9, 9)),
                         Date(COleDateTime(2027, 1, 1))}));
    const Run run = RunInfo(path, true);
    QCOMPARE(run.code, 0);
    const QJsonArray days = QJsonDocument::fromJson(run.out.toUtf8())
                                .object()
                                .value(QStringLiteral("criticalDays"))
                                .toArray();
    QStringList written;
    for (const QJsonValue &day : days) {
        const QJsonObject object = day.toObject();
        QStringList cycles;
        for (const QJsonValue &cycle : object.value(QStringLiteral("cycles")).toArray())
            cycles << cycle.toString();
        written << QStringLiteral("%1 %2 %3")
                       .arg(object.value(QStringLiteral("date")).toString())
                       .arg(object.value(QStringLiteral("person")).toInt())
                       .arg(cycles.join(u'+'));
    }
    QCOMPARE(written, (QStringList{
                          QStringLiteral("2027-01-01 1 Physique"),
                          QStringLiteral("2027-01-02 2 Physique+Intellectuel"),
                          QStringLiteral("2027-01-10 1 Sentimental"),
                          QStringLiteral("2027-01-13 1 Physique+Intellectuel"),
                          QStringLiteral("2027-01-13 2 Physique+Sentimental"),
                          QStringLiteral("2027-01-19 2 Intellectuel"),
                          QStringLiteral("2027-01-24 1 Physique+Sentimental"),
                          QStringLiteral("2027-01-25 2 Physique"),
                          QStringLiteral("2027-01-27 2 Sentimental"),
                      }));
}

void StudyInfoTest::failures_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QStringLiteral("absent.aff") << QByteArray()
                             << file_messages::OpenFailed();
    QTest::newRow("truncated") << QStringLiteral("court.aff")
                               << QByteArray("\x03"
                                             "abc\x00",
                                             5)
                               << file_messages::UnexpectedFormat();
    QTest::newRow("refused date") << QStringLiteral("date.bio")
                                  << File(0, "", "", "", {Date(0.0, 2), Date(kStart)})
                                  << file_messages::UnexpectedFormat();
    QTest::newRow("unknown extension")
        << QStringLiteral("etude.txt") << QByteArray("x")
        << QStringLiteral(
               "Type de fichier inconnu : les études ont l'extension .bio, .bi2, .aff ou .grp.");
}

void StudyInfoTest::failures()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString path = bytes.isNull() ? m_dir.filePath(fileName) : WriteStudy(fileName, bytes);
    for (bool json : {false, true}) {
        const Run run = RunInfo(path, json);
        QCOMPARE(run.code, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, message + QLatin1Char('\n'));
    }
}

void StudyInfoTest::lastDate_data()
{
    QTest::addColumn<COleDateTime>("start");
    QTest::addColumn<int>("span");
    QTest::addColumn<int>("code");
    QTest::newRow("ending on 31/12/9999") << COleDateTime(9999, 12, 3) << 29 << 0;
    QTest::newRow("one day past it") << COleDateTime(9999, 12, 4) << 29 << 2;
    QTest::newRow("--days 3660 from 9990") << COleDateTime(9990, 1, 1) << 3660 << 2;
}

// Past 31/12/9999 the dates cannot be written: refused before anything is printed.
void StudyInfoTest::lastDate()
{
    QFETCH(COleDateTime, start);
    QFETCH(int, span);
    QFETCH(int, code);
    const QString path =
        WriteStudy(QStringLiteral("tard.bi2"),
                   File(1, "", "A", "B", {Date(kBirth1), Date(kBirth2), Date(start)}));
    for (bool json : {false, true}) {
        const Run run = RunInfo(path, json, span);
        QCOMPARE(run.code, code);
        if (code == 0 && json) {
            const QJsonArray days = QJsonDocument::fromJson(run.out.toUtf8())
                                        .object()
                                        .value(QStringLiteral("criticalDays"))
                                        .toArray();
            QVERIFY(!days.isEmpty());
            for (const QJsonValue &day : days)
                QVERIFY(!day.toObject().value(QStringLiteral("date")).toString().isEmpty());
        }
        if (code == 0 && !json) {
            // "  Vendredi 31/12/9999 : Physique (A)": a weekday and a date on each line.
            const QStringList lines = run.out.section(QStringLiteral("Jours critiques :\n"), 1)
                                          .section(QStringLiteral("Commentaire"), 0, 0)
                                          .split(u'\n', Qt::SkipEmptyParts);
            QVERIFY(!lines.isEmpty());
            const QRegularExpression dated(QStringLiteral("^  \\w+ \\d\\d/\\d\\d/\\d{4} : "));
            for (const QString &line : lines)
                QVERIFY2(dated.match(line).hasMatch(), qPrintable(line));
        }
        if (code == 0)
            continue;
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.contains(QStringLiteral("31/12/9999, dernière date possible")),
                 qPrintable(run.err));
    }
}

QTEST_MAIN_FRENCH(StudyInfoTest)
#include "study_info_test.moc"
