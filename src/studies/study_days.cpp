#include "studies/study_days.h"

#include "core/cycles.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"

#include <algorithm>

namespace {

QString Named(const QString &name)
{
    return name.isEmpty() ? QStringLiteral("Anonyme") : name;
}

} // namespace

QString MessageDate(const QDate &date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

std::optional<StudyDays> StudyDays::Of(const CDocument &study)
{
    StudyDays days;
    if (const auto *bio = qobject_cast<const COndarisDoc *>(&study)) {
        days.m_start = bio->startDate.ToQDate();
        days.m_startDay = bio->startDay;
        days.m_pi = bio->pi;
        days.m_persons = {{Named(bio->name), bio->birthDay}};
    } else if (const auto *bi2 = qobject_cast<const COndarisDoc2 *>(&study)) {
        days.m_start = bi2->startDate.ToQDate();
        days.m_startDay = bi2->startDay;
        days.m_pi = bi2->pi;
        days.m_persons = {{Named(bi2->name1), bi2->birthDay1}, {Named(bi2->name2), bi2->birthDay2}};
    } else {
        return std::nullopt;
    }
    return days;
}

StudyDays::Values StudyDays::ValuesOf(int day) const
{
    const int lived1 = m_startDay - m_persons[0].birthDay;
    const auto value = [&](double period) {
        if (m_persons.size() == 1)
            return CycleValue(period, lived1 + day, m_pi);
        return MeanCycleValue(period, lived1, m_startDay - m_persons[1].birthDay, day, m_pi);
    };
    Values values{value(kIntellectualPeriod), value(kSentimentalPeriod), value(kPhysicalPeriod), 0};
    values.average = CycleAverage(values.intellectual, values.sentimental, values.physical);
    return values;
}

QList<StudyDays::Critical> StudyDays::CriticalDays(int span) const
{
    QList<Critical> days;
    for (int person = 0; person < m_persons.size(); ++person) {
        for (const CriticalDay &critical :
             ::CriticalDays(m_persons[person].birthDay, m_startDay, span))
            days.append(Critical{critical.day, Date(critical.day), person + 1, critical.cycles});
    }
    std::stable_sort(days.begin(), days.end(),
                     [](const Critical &a, const Critical &b) { return a.day < b.day; });
    return days;
}

QList<Cycles> StudyDays::CriticalCyclesOf(int day) const
{
    QList<Cycles> cycles;
    for (const Person &person : m_persons)
        cycles.append(CriticalCycles(qint64(m_startDay) - person.birthDay + day));
    return cycles;
}

QString StudyDays::CriticalText(int day) const
{
    QStringList parts;
    const QList<Cycles> cycles = CriticalCyclesOf(day);
    for (int person = 0; person < m_persons.size(); ++person) {
        if (!cycles[person])
            continue;
        QString part = CycleNames(cycles[person]).join(QStringLiteral(", "));
        if (m_persons.size() > 1)
            part += QStringLiteral(" (%1)").arg(m_persons[person].name);
        parts.append(part);
    }
    return parts.join(QStringLiteral(" / "));
}

QString SpanPastLastDate(const QDate &first, int span, const QDate &last, const QString &where)
{
    if (first.addDays(span - 1) <= last)
        return {};
    return QStringLiteral("Les %1 jours à partir du %2 dépassent le %3, dernière date possible%4.")
        .arg(QString::number(span), MessageDate(first), MessageDate(last), where);
}

QString StudyDays::PastLastDate(int span, const QDate &last, const QString &where) const
{
    return SpanPastLastDate(m_start, span, last, where);
}
