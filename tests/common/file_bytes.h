#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// A fixture's bytes put in place whole: a short write fails the test that called it.
inline void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A file's bytes, or none when it cannot be read (it is missing: the caller compares).
inline QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
