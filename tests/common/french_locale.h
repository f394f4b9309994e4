#pragma once

#include <QTest>
#include <QtGlobal>

// The program writes dates in its user's short date format, which Qt reads from LC_ALL, LC_TIME
// or LANG once, when the application object is made. A test that expects the dates a French user
// sees runs as that user, whatever the machine's own language: LC_ALL outranks the others, and
// it is set before QTEST_MAIN makes the application object.
inline bool UseFrenchLocale()
{
    qputenv("LC_ALL", "fr_FR.UTF-8");
    return true;
}

// QTEST_MAIN for a test that expects French short dates.
#define QTEST_MAIN_FRENCH(TestObject)                                                              \
    [[maybe_unused]] static const bool frenchLocaleSet = UseFrenchLocale();                        \
    QTEST_MAIN(TestObject)
