#pragma once

#include <QDate>
#include <QList>
#include <QString>

class QByteArray;

// A person as an address book or a table gives it, before it meets the names list.
struct Contact
{
    enum class Birth {
        Dated,      // birthDate holds the date
        Missing,    // no birth date given
        YearLess,   // a day and month only, as address books keep some birthdays
        Unreadable, // birthText holds what was written
    };

    QString name;
    Birth birth = Birth::Missing;
    QDate birthDate;
    QString birthText;
};

// What a file of persons holds, or why it cannot be read.
struct ContactsRead
{
    QList<Contact> contacts;
    QString error; // in French, empty when the file was read
};

// Text of a file of persons: UTF-8 (its byte-order mark left out); bytes that are not UTF-8 are
// read as Windows-1252, as the spreadsheets of Windows write them.
QString DecodeContactsText(const QByteArray &bytes);

// A birth date written as a date of years 100 to 9999 (those a birth date can hold).
Contact::Birth BirthOf(const QDate &date);
