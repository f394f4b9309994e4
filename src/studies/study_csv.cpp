#include "studies/study_csv.h"

#include "core/calendar.h"
#include "core/ole_date_time.h"
#include "framework/csv_table.h"
#include "studies/affinite_doc.h"
#include "studies/study_days.h"

#include <QLocale>
#include <QStringList>

namespace {

// The shortest form that reads back to the same double, with a decimal comma.
QString Number(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest).replace(u'.', u',');
}

QList<QStringList> DayRows(const StudyDays &days, int span)
{
    QList<QStringList> rows{{QStringLiteral("Date"), QStringLiteral("Jour"),
                             QStringLiteral("Intellectuel"), QStringLiteral("Sentimental"),
                             QStringLiteral("Physique"), QStringLiteral("Moyenne"),
                             QStringLiteral("Jours critiques")}};
    for (int day = 0; day < span; ++day) {
        const QDate date = days.Date(day);
        const StudyDays::Values values = days.ValuesOf(day);
        rows.append({date.toString(Qt::ISODate), WeekdayName(COleDateTime::FromQDate(date)),
                     Number(values.intellectual), Number(values.sentimental),
                     Number(values.physical), Number(values.average), days.CriticalText(day)});
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

} // namespace

QByteArray StudyCsv(const CDocument &study, int span)
{
    if (const std::optional<StudyDays> days = StudyDays::Of(study))
        return csv_table::Write(DayRows(*days, span));
    if (const auto *aff = qobject_cast<const COndarisDoc3 *>(&study))
        return csv_table::Write(ScoreRows(*aff));
    return {};
}
