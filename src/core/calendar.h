#pragma once

#include "core/ole_date_time.h"

#include <QString>
#include <array>

class QLocale;

// Day count of the study calendar: 1 January of year 1 is day 1 and every fourth year is a
// leap year, century years included.
qint32 DayNumber(int year, int month, int day);
// DayNumber of a date's year, month and day.
qint32 DayNumber(const COleDateTime &date);

// The date alone in the user's short date format, with a four-digit year; an empty text for a
// date that cannot be converted.
QString DateText(const COleDateTime &date);
// The short date format that DateText and the date pickers share: the system locale's, with
// the year in four digits; dd/MM/yyyy for the C locale or a format that writes names.
QString ShortDateFormat();
QString ShortDateFormat(const QLocale &locale);

// "Dimanche" ... "Samedi"; an empty text for a date that cannot be converted.
QString WeekdayName(const COleDateTime &date);

// The 29 weekday letters ("DLMMJVS") of the period that starts on the date.
QString WeekdayLetterRow(const COleDateTime &start);

// 29 two-character day-of-month labels followed by a zero byte (59 bytes used).
using DayLabels = std::array<char, 60>;
DayLabels DayLabelRow(const COleDateTime &start);
