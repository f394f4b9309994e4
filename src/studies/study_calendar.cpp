#include "studies/study_calendar.h"

#include "studies/ical_library.h"
#include "studies/study_days.h"

#include <QCryptographicHash>

namespace {

icaltimetype AllDay(const QDate &date)
{
    icaltimetype time{};
    time.year = date.year();
    time.month = date.month();
    time.day = date.day();
    time.is_date = 1;
    return time;
}

icaltimetype Utc(const ICalLibrary &ical, const QDateTime &stamp)
{
    const QDateTime utc = stamp.toUTC();
    icaltimetype time = AllDay(utc.date());
    time.is_date = 0;
    time.hour = utc.time().hour();
    time.minute = utc.time().minute();
    time.second = utc.time().second();
    time.zone = ical.utc();
    return time;
}

// "Jour critique : Physique — Claire Fontaine", "Jour double critique : ...".
QString Summary(const StudyDays::Critical &critical, const QString &name)
{
    const QStringList cycles = CycleNames(critical.cycles);
    const char16_t *const kinds[] = {u"Jour critique", u"Jour double critique",
                                     u"Jour triple critique"};
    return QString::fromUtf16(kinds[cycles.size() - 1]) + QStringLiteral(" : ") +
           cycles.join(QStringLiteral(", ")) + QStringLiteral(" — ") + name;
}

// The same person on the same day gives the same UID at every export, from any study; the
// person's number keeps apart only two persons of one study with one name and birth date.
QByteArray Uid(const StudyDays &days, const StudyDays::Critical &critical)
{
    const QList<StudyDays::Person> &persons = days.Persons();
    const StudyDays::Person &person = persons.at(critical.person - 1);
    const bool twins = persons.size() == 2 && persons[0].name == persons[1].name &&
                       persons[0].birthDay == persons[1].birthDay;
    QByteArray key = person.name.toUtf8() + '\n' + QByteArray::number(person.birthDay);
    if (twins)
        key.prepend(QByteArray::number(critical.person) + '\n');
    const QDate &date = critical.date;
    return date.toString(QStringLiteral("yyyyMMdd")).toLatin1() + '-' +
           QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16) +
           "@ondaris.velmora";
}

} // namespace

QDate LastCalendarDay()
{
    return QDate(3000, 12, 30);
}

StudyCalendar StudyCalendarOf(const StudyDays &days, int span, const QDateTime &stamp)
{
    const ICalLibrary *ical = ICalLibrary::Get();
    if (!ical)
        return {{},
                QStringLiteral("La bibliothèque libical (paquet libical3) est introuvable : "
                               "l'export iCalendar est impossible.")};

    icalcomponent *calendar = ical->componentNew(ICAL_VCALENDAR_COMPONENT);
    ical->addProperty(calendar, ical->version("2.0"));
    ical->addProperty(calendar, ical->prodid("-//Velmora//Ondaris 3//FR"));
    ical->addProperty(calendar, ical->calscale("GREGORIAN"));
    const icaltimetype dtstamp = Utc(*ical, stamp);
    for (const StudyDays::Critical &critical : days.CriticalDays(span)) {
        const StudyDays::Person &person = days.Persons().at(critical.person - 1);
        icalcomponent *event = ical->componentNew(ICAL_VEVENT_COMPONENT);
        ical->addProperty(event, ical->uid(Uid(days, critical).constData()));
        ical->addProperty(event, ical->dtstamp(dtstamp));
        ical->addProperty(event, ical->dtstart(AllDay(critical.date)));
        ical->addProperty(event, ical->dtend(AllDay(critical.date.addDays(1))));
        ical->addProperty(event,
                          ical->summary(Summary(critical, person.name).toUtf8().constData()));
        ical->addProperty(event, ical->transp(ICAL_TRANSP_TRANSPARENT));
        ical->addComponent(calendar, event);
    }
    char *text = ical->asString(calendar);
    StudyCalendar result{QByteArray(text), {}};
    ical->freeBuffer(text);
    ical->componentFree(calendar);
    return result;
}
