#pragma once

#include "core/critical_days.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

class CDocument;

// A date as the French messages write it, "31/12/9999", whatever the locale.
QString MessageDate(const QDate &date);

// Empty when the span days from first end by last; otherwise the French refusal, which names
// last, followed by where ("dans un agenda iCalendar").
QString SpanPastLastDate(const QDate &first, int span, const QDate &last,
                         const QString &where = {});

// The days of a study that has a start date (Biorythme, Compatibilité), for a span of any
// length: day j is the date start + j, paired with the values and the ages that the page pairs
// with it.
class StudyDays
{
public:
    // The study's own span: the 29 columns of its page.
    static constexpr int kPageSpan = 29;
    // The longest span that the command line accepts, about ten years.
    static constexpr int kMaxSpan = 3660;

    struct Person
    {
        QString name; // "Anonyme" for an empty name
        qint32 birthDay;
    };

    struct Values
    {
        double intellectual;
        double sentimental;
        double physical;
        double average; // as the "Moyenne" curve computes it
    };

    // A critical day of one person of the study.
    struct Critical
    {
        int day;
        QDate date;
        int person; // 1 or 2
        Cycles cycles;
    };

    // The last date that the exports' ISO dates and the day texts of an OLE date can write.
    static QDate LastDate() { return QDate(9999, 12, 31); }

    // Nothing for a study without a start date.
    static std::optional<StudyDays> Of(const CDocument &study);

    const QList<Person> &Persons() const { return m_persons; }
    QDate Date(int day) const { return m_start.addDays(day); }
    // The day of a date, negative before the start date.
    int DayOf(const QDate &date) const { return int(m_start.daysTo(date)); }
    // The day's value of each series of the study, the same doubles as its curves.
    Values ValuesOf(int day) const;
    // Each person's critical days among the span days, by day, then person.
    QList<Critical> CriticalDays(int span) const;
    // Each person's critical cycles on the day, in the order of the persons.
    QList<Cycles> CriticalCyclesOf(int day) const;
    // The critical cycles of the day, "Physique, Intellectuel"; on a two-person study each
    // person's with the name, "Physique (Claire) / Sentimental (Paul)"; empty for none.
    QString CriticalText(int day) const;
    // Empty when the span days end by last, the last date that a file can carry; otherwise the
    // French refusal, which names last, followed by where ("dans un agenda iCalendar").
    QString PastLastDate(int span, const QDate &last, const QString &where = {}) const;

private:
    QDate m_start;
    qint32 m_startDay = 0;
    double m_pi = 0;
    QList<Person> m_persons;
};
