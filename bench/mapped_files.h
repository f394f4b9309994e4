#pragma once

// What a start has loaded, for the start-up bench: the names of the files the process has mapped
// (libraries, fonts, caches), written on stdout when ONDARIS_BENCH_MAPS is set, once the
// program is done. The bench sets it for one run of each program and compares the lists.
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>
#include <cstdio>

inline constexpr char kMappedFilesVariable[] = "ONDARIS_BENCH_MAPS";

inline QStringList MappedFiles()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    QSet<QString> names;
    // "address perms offset dev inode path": the path, when there is one, starts with a slash.
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const qsizetype slash = line.indexOf('/');
        if (slash >= 0)
            names.insert(QFileInfo(QString::fromLocal8Bit(line.mid(slash))).fileName());
    }
    QStringList sorted(names.begin(), names.end());
    sorted.sort();
    return sorted;
}

inline void PrintMappedFilesIfAsked()
{
    if (!qEnvironmentVariableIsSet(kMappedFilesVariable))
        return;
    for (const QString &name : MappedFiles())
        std::printf("%s\n", name.toLocal8Bit().constData());
    std::fflush(stdout);
}
