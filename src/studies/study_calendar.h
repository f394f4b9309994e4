#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class StudyDays;

struct StudyCalendar
{
    QByteArray text; // the iCalendar file
    QString error;   // why there is none, in French
};

// The last day whose all-day event libical writes: the event ends the next day, 31/12/3000,
// the last date that libical writes (later ones come out as zeros).
QDate LastCalendarDay();

// The critical days of the span days of a study as an iCalendar file: one all-day event a day
// and person, transparent, whose UID follows from the person and the date so that a second
// export of the study updates the events of the first. stamp is the DTSTAMP of every event.
StudyCalendar StudyCalendarOf(const StudyDays &days, int span, const QDateTime &stamp);
