#pragma once

#include "studies/best_days.h"

#include <QDate>
#include <QJsonObject>
#include <QString>
#include <optional>

class QTextStream;

// `--cycles`: a comma list of the counted cycles, "i", "s", "p" or their names "intellectuel",
// "sentimental", "physique", or "moyenne" (or "m") alone, in any case. False for anything else,
// the query unchanged.
bool ReadCountedCycles(const QString &text, BestDaysQuery &query);

// `--from`: a date written JJ/MM/AAAA between the first and the last date that a study's dates
// can take; nothing for anything else.
std::optional<QDate> ReadFromDate(const QString &text);

// `{"days": [...]}` in rank order, each day with its ISO date, its three values as the curves
// hold them and the mean of the counted ones.
QJsonObject BestDaysJson(const QList<BestDay> &days);

// `ondaris --best-days [--json] STUDY [--from DATE] [--days N] [--cycles LIST]`: prints the
// best days to out and returns 0, an empty list included; for a file that cannot be read prints
// its message to err and returns 1; for a study without a start date, or days past the last
// date, 2. An invalid from in the query is today.
int RunBestDays(const QString &path, BestDaysQuery query, bool json, QTextStream &out,
                QTextStream &err);
