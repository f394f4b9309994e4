#include "studies/study_csv.h"

#include "core/calendar.h"
#include "core/ole_date_time.h"
#include "framework/csv_table.h"
#include "studies/affinite_doc.h"
#include "studies/best_days.h"
#include "studies/groupe_doc.h"
#include "studies/study_days.h"
#include "studies/study_year.h"

#include <QLocale>
#include <QStringList>

namespace {

// The shortest form that reads back to the same double, with a decimal comma.
QString Number(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest).replace(u'.', u',');
}

QString WeekdayOf(const QDate &date)
{
    return WeekdayName(COleDateTime::FromQDate(date));
}

QList<QStringList> DayRows(const StudyDays &days, int first, int span)
{
    QList<QStringList> rows{{QStringLiteral("Date"), QStringLiteral("Jour"),
                             QStringLiteral("Intellectuel"), QStringLiteral("Sentimental"),
                             QStringLiteral("Physique"), QStringLiteral("Moyenne"),
                             QStringLiteral("Jours critiques")}};
    for (int day = first; day < first + span; ++day) {
        const QDate date = days.Date(day);
        const StudyDays::Values values = days.ValuesOf(day);
        rows.append({date.toString(Qt::ISODate), WeekdayOf(date), Number(values.intellectual),
                     Number(values.sentimental), Number(values.physical), Number(values.average),
                     days.CriticalText(day)});
    }
    return rows;
}

QList<QStringList> ScoreRows(const COndarisDoc3 &aff)
{
    return {{QStringLiteral("Cycle"), QStringLiteral("Score"), QStringLiteral("Texte")},
            {QStringLiteral("Intellectuel"), Number(aff.scoreIntellectual), aff.textIntellectual},
            {QStringLiteral("Sentimental"), Number(aff.scoreSentimental), aff.textSentimental},
            {QStringLiteral("Physique"), Number(aff.scorePhysical), aff.textPhysical},
            {QStringLiteral("Moyenne"), Number(aff.scoreAverage), aff.textAverage}};
}

// A row a pair, in the group's order: the two names, then the four scores.
QList<QStringList> PairRows(const CGroupeDoc &group)
{
    QList<QStringList> rows{{QStringLiteral("Personne 1"), QStringLiteral("Personne 2"),
                             QStringLiteral("Intellectuel"), QStringLiteral("Sentimental"),
                             QStringLiteral("Physique"), QStringLiteral("Moyenne")}};
    for (const GroupPair &pair : group.pairs) {
        const AffinityScores &s = pair.scores;
        rows.append({group.members.at(pair.person1).name, group.members.at(pair.person2).name,
                     Number(s.intellectual), Number(s.sentimental), Number(s.physical),
                     Number(s.average)});
    }
    return rows;
}

} // namespace

QByteArray StudyCsv(const CDocument &study, int span)
{
    if (const std::optional<StudyDays> days = StudyDays::Of(study))
        return csv_table::Write(DayRows(*days, 0, span));
    if (const auto *aff = qobject_cast<const COndarisDoc3 *>(&study))
        return csv_table::Write(ScoreRows(*aff));
    if (const auto *group = qobject_cast<const CGroupeDoc *>(&study))
        return csv_table::Write(PairRows(*group));
    return {};
}

QByteArray BestDaysCsv(const QList<BestDay> &days)
{
    QList<QStringList> rows{{QStringLiteral("Rang"), QStringLiteral("Date"), QStringLiteral("Jour"),
                             QStringLiteral("Intellectuel"), QStringLiteral("Sentimental"),
                             QStringLiteral("Physique"), QStringLiteral("Moyenne comptée")}};
    for (const BestDay &day : days) {
        rows.append({QString::number(rows.size()), day.date.toString(Qt::ISODate),
                     WeekdayOf(day.date), Number(day.values.intellectual),
                     Number(day.values.sentimental), Number(day.values.physical),
                     Number(day.mean)});
    }
    return csv_table::Write(rows);
}

QByteArray YearCsv(const StudyYear &year)
{
    return csv_table::Write(DayRows(year.Days(), year.Days().DayOf(year.First()), year.Span()));
}
