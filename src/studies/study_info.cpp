#include "studies/study_info.h"

#include "studies/affinite_doc.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"
#include "studies/groupe_doc.h"
#include "studies/study_days.h"
#include "studies/study_loader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>
#include <QTextStream>

namespace {

// The shortest decimal form that reads back to the same double.
QString NumberText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString LabelsText(const DayLabels &labels)
{
    return QString::fromLatin1(labels.data(), 58);
}

QJsonArray SeriesJson(const CycleSeries &series)
{
    QJsonArray values;
    for (double value : series)
        values.append(value);
    return values;
}

QString SeriesText(const CycleSeries &series)
{
    QStringList values;
    for (double value : series)
        values.append(NumberText(value));
    return values.join(QLatin1Char(' '));
}

QJsonObject PersonJson(const QString &name, const COleDateTime &birthDate,
                       const QString &birthWeekday, const QString &birthText, qint32 birthDay)
{
    return QJsonObject{
        {QStringLiteral("name"), name},
        {QStringLiteral("birthDate"), birthDate.ToQDate().toString(Qt::ISODate)},
        {QStringLiteral("birthWeekday"), birthWeekday},
        {QStringLiteral("birthText"), birthText},
        {QStringLiteral("birthDay"), birthDay},
    };
}

// The members of a study, gathered once for both forms.
struct Content
{
    QString type;
    QString comment;
    QJsonArray persons;
    // Studies with a start date.
    const COleDateTime *startDate = nullptr;
    QString startText;
    qint32 startDay = 0;
    QString dayLetters;
    const DayLabels *dayNumbers = nullptr;
    const CycleSeries *curves[3] = {};
    // Affinité.
    const COndarisDoc3 *affinity = nullptr;
    // Groupe.
    const CGroupeDoc *group = nullptr;
};

template <class Doc> void TakeStart(const Doc &doc, Content &content)
{
    content.startDate = &doc.startDate;
    content.startText = doc.startText;
    content.startDay = doc.startDay;
    content.dayLetters = doc.dayLetters;
    content.dayNumbers = &doc.dayNumbers;
    content.curves[0] = &doc.curveIntellectual;
    content.curves[1] = &doc.curveSentimental;
    content.curves[2] = &doc.curvePhysical;
}

void TakePersons(const CTwoPersonDoc &doc, Content &content)
{
    content.persons = {
        PersonJson(doc.name1, doc.birthDate1, doc.birthWeekday1, doc.birthText1, doc.birthDay1),
        PersonJson(doc.name2, doc.birthDate2, doc.birthWeekday2, doc.birthText2, doc.birthDay2),
    };
}

Content ContentOf(const CDocument &document)
{
    Content content;
    if (const auto *bio = qobject_cast<const COndarisDoc *>(&document)) {
        content.type = QStringLiteral("Biorythme");
        content.comment = bio->comment;
        content.persons = {PersonJson(bio->name, bio->birthDate, bio->birthWeekday, bio->birthText,
                                      bio->birthDay)};
        TakeStart(*bio, content);
    } else if (const auto *bi2 = qobject_cast<const COndarisDoc2 *>(&document)) {
        content.type = QStringLiteral("Compatibilité");
        content.comment = bi2->comment;
        TakePersons(*bi2, content);
        TakeStart(*bi2, content);
    } else if (const auto *aff = qobject_cast<const COndarisDoc3 *>(&document)) {
        content.type = QStringLiteral("Affinité");
        content.comment = aff->comment;
        TakePersons(*aff, content);
        content.affinity = aff;
    } else if (const auto *group = qobject_cast<const CGroupeDoc *>(&document)) {
        content.type = QStringLiteral("Groupe");
        content.comment = group->comment;
        for (const GroupMember &m : group->members)
            content.persons.append(
                PersonJson(m.name, m.birthDate, m.birthWeekday, m.birthText, m.birthDay));
        content.group = group;
    }
    return content;
}

const char *const kCurveKeys[3] = {"curveIntellectual", "curveSentimental", "curvePhysical"};
const char *const kCycleNames[3] = {"Intellectuel", "Sentimental", "Physique"};

QJsonArray CriticalDaysJson(const StudyDays &days, int span)
{
    QJsonArray list;
    for (const StudyDays::Critical &critical : days.CriticalDays(span)) {
        list.append(QJsonObject{
            {QStringLiteral("date"), critical.date.toString(Qt::ISODate)},
            {QStringLiteral("person"), critical.person},
            {QStringLiteral("cycles"), QJsonArray::fromStringList(CycleNames(critical.cycles))},
        });
    }
    return list;
}

// "Mercredi 13/01/2027 : Physique, Intellectuel (Claire Fontaine)", one line a day and person.
void WriteCriticalDays(QTextStream &out, const StudyDays &days, int span)
{
    out << "Jours critiques :\n";
    for (const StudyDays::Critical &critical : days.CriticalDays(span)) {
        const COleDateTime date = COleDateTime::FromQDate(critical.date);
        out << "  " << WeekdayName(date) << ' ' << DateText(date) << " : "
            << CycleNames(critical.cycles).join(QStringLiteral(", ")) << " ("
            << days.Persons().at(critical.person - 1).name << ")\n";
    }
}

// The four scores and their texts under the Affinité study's keys.
void InsertScores(QJsonObject &object, const AffinityScores &scores)
{
    object.insert(QStringLiteral("scoreIntellectual"), scores.intellectual);
    object.insert(QStringLiteral("scoreSentimental"), scores.sentimental);
    object.insert(QStringLiteral("scorePhysical"), scores.physical);
    object.insert(QStringLiteral("scoreAverage"), scores.average);
    object.insert(QStringLiteral("textIntellectual"), scores.textIntellectual);
    object.insert(QStringLiteral("textSentimental"), scores.textSentimental);
    object.insert(QStringLiteral("textPhysical"), scores.textPhysical);
    object.insert(QStringLiteral("textAverage"), scores.textAverage);
}

// Persons are numbered from 1 in the order of the file, as in "persons".
void InsertGroup(QJsonObject &object, const CGroupeDoc &group)
{
    QJsonArray pairs;
    for (const GroupPair &pair : group.pairs) {
        QJsonObject entry{{QStringLiteral("person1"), pair.person1 + 1},
                          {QStringLiteral("person2"), pair.person2 + 1}};
        InsertScores(entry, pair.scores);
        pairs.append(entry);
    }
    QJsonArray best;
    for (int member = 0; member < int(group.members.size()); ++member) {
        best.append(QJsonObject{
            {QStringLiteral("person"), member + 1},
            {QStringLiteral("partner"), group.BestPartner(member) + 1},
            {QStringLiteral("scoreAverage"),
             group.pairs[size_t(group.bestPartnerPairs[size_t(member)])].scores.average},
        });
    }
    object.insert(QStringLiteral("pairs"), pairs);
    object.insert(QStringLiteral("bestPartners"), best);
}

// "Paire 1-2 : Intellectuel 93 (93.93...), ..." a line a pair, then each member's best partner.
void WriteGroup(QTextStream &out, const CGroupeDoc &group)
{
    const char *const names[4] = {"Intellectuel", "Sentimental", "Physique", "Moyenne"};
    for (const GroupPair &pair : group.pairs) {
        const AffinityScores &s = pair.scores;
        const double scores[4] = {s.intellectual, s.sentimental, s.physical, s.average};
        const QString texts[4] = {s.textIntellectual, s.textSentimental, s.textPhysical,
                                  s.textAverage};
        out << "Paire " << pair.person1 + 1 << '-' << pair.person2 + 1 << " :";
        for (int i = 0; i < 4; ++i)
            out << (i ? ", " : " ") << names[i] << ' ' << texts[i] << " (" << NumberText(scores[i])
                << ')';
        out << '\n';
    }
    out << "Meilleurs partenaires :\n";
    for (int member = 0; member < int(group.members.size()); ++member) {
        const GroupPair &pair = group.pairs[size_t(group.bestPartnerPairs[size_t(member)])];
        out << "  " << member + 1 << " : " << group.BestPartner(member) + 1 << " ("
            << pair.scores.textAverage << ")\n";
    }
}

} // namespace

QJsonObject StudyInfoJson(const CDocument &document, int span)
{
    const Content content = ContentOf(document);
    QJsonObject object{
        {QStringLiteral("type"), content.type},
        {QStringLiteral("comment"), content.comment},
        {QStringLiteral("persons"), content.persons},
    };
    if (content.startDate) {
        object.insert(QStringLiteral("startDate"),
                      content.startDate->ToQDate().toString(Qt::ISODate));
        object.insert(QStringLiteral("startText"), content.startText);
        object.insert(QStringLiteral("startDay"), content.startDay);
        object.insert(QStringLiteral("dayLetters"), content.dayLetters);
        object.insert(QStringLiteral("dayNumbers"), LabelsText(*content.dayNumbers));
        for (int i = 0; i < 3; ++i)
            object.insert(QLatin1String(kCurveKeys[i]), SeriesJson(*content.curves[i]));
    }
    if (const std::optional<StudyDays> days = StudyDays::Of(document))
        object.insert(QStringLiteral("criticalDays"), CriticalDaysJson(*days, span));
    if (const COndarisDoc3 *aff = content.affinity)
        InsertScores(object,
                     AffinityScores{aff->scoreIntellectual, aff->scoreSentimental,
                                    aff->scorePhysical, aff->scoreAverage, aff->textIntellectual,
                                    aff->textSentimental, aff->textPhysical, aff->textAverage});
    if (content.group)
        InsertGroup(object, *content.group);
    return object;
}

QString StudyInfoText(const CDocument &document, int span)
{
    const Content content = ContentOf(document);
    QString text;
    QTextStream out(&text);
    out << "Étude : " << content.type << '\n';
    const bool several = content.persons.size() > 1;
    for (qsizetype i = 0; i < content.persons.size(); ++i) {
        const QJsonObject person = content.persons.at(i).toObject();
        const QString name = person.value(QStringLiteral("name")).toString();
        out << "Personne";
        if (several)
            out << ' ' << i + 1;
        out << " : " << (name.isEmpty() ? QStringLiteral("Anonyme") : name) << '\n'
            << "  Naissance : " << person.value(QStringLiteral("birthWeekday")).toString() << ' '
            << person.value(QStringLiteral("birthText")).toString() << " (jour "
            << person.value(QStringLiteral("birthDay")).toInt() << ")\n";
    }
    if (content.startDate) {
        out << "Départ : " << content.startText << " (jour " << content.startDay << ")\n"
            << "Jours : " << content.dayLetters << '\n'
            << "Dates : " << LabelsText(*content.dayNumbers) << '\n';
        for (int i = 0; i < 3; ++i)
            out << kCycleNames[i] << " : " << SeriesText(*content.curves[i]) << '\n';
    }
    if (const std::optional<StudyDays> days = StudyDays::Of(document))
        WriteCriticalDays(out, *days, span);
    if (const COndarisDoc3 *aff = content.affinity) {
        const double scores[4] = {aff->scoreIntellectual, aff->scoreSentimental, aff->scorePhysical,
                                  aff->scoreAverage};
        const QString texts[4] = {aff->textIntellectual, aff->textSentimental, aff->textPhysical,
                                  aff->textAverage};
        const char *const names[4] = {"Intellectuel", "Sentimental", "Physique", "Moyenne"};
        for (int i = 0; i < 4; ++i)
            out << names[i] << " : " << texts[i] << " (" << NumberText(scores[i]) << ")\n";
    }
    if (content.group)
        WriteGroup(out, *content.group);
    out << "Commentaire :\n";
    const QStringList lines = QString(content.comment)
                                  .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                  .split(QLatin1Char('\n'));
    for (const QString &line : lines)
        out << "  " << line << '\n';
    return text;
}

int RunStudyInfo(const QString &path, bool json, int span, QTextStream &out, QTextStream &err)
{
    const LoadedStudy study = LoadStudy(path);
    if (!study.document) {
        err << study.error << '\n';
        err.flush();
        return 1;
    }
    // Past the last date, the day texts and ISO dates would come out empty.
    if (const std::optional<StudyDays> days = StudyDays::Of(*study.document)) {
        const QString past = days->PastLastDate(span, StudyDays::LastDate());
        if (!past.isEmpty()) {
            err << past << '\n';
            err.flush();
            return 2;
        }
    }
    if (json)
        out << QJsonDocument(StudyInfoJson(*study.document, span)).toJson(QJsonDocument::Indented);
    else
        out << StudyInfoText(*study.document, span);
    out.flush();
    return 0;
}
