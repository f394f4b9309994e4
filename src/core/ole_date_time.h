#pragma once

#include <QDate>
#include <QDateTime>

// A date as the study files store it: an OLE Automation day count (0 = 30 December 1899,
// the fraction is the time of day) and a status. Parts are read through QDate, proleptic
// Gregorian, and only for the years 100 to 9999.
class COleDateTime
{
public:
    enum DateTimeStatus : qint32 { valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;
    COleDateTime(double value, qint32 status = valid);
    // Built from its parts; invalid unless they name a real date of the years 100 to 9999.
    COleDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

    static COleDateTime GetCurrentTime();
    static COleDateTime FromQDate(const QDate &date);
    static COleDateTime FromQDateTime(const QDateTime &dateTime);

    double m_dt = 0.0;
    qint32 m_status = valid;

    qint32 GetStatus() const { return m_status; }
    // True when the status is valid and the value names a day of the years 100 to 9999.
    bool IsConvertible() const;

    // Each part is -1 for a date that is not valid or cannot be converted.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetDayOfWeek() const; // 1 = Sunday ... 7 = Saturday
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;

    // The calendar day the value names; a null QDate when not convertible.
    QDate ToQDate() const;
    QDateTime ToQDateTime() const;

    friend bool operator==(const COleDateTime &, const COleDateTime &) = default;
};
