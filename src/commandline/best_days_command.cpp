#include "commandline/best_days_command.h"

#include "charts/best_day_line.h"
#include "studies/study_days.h"
#include "studies/study_loader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

namespace {

std::optional<Cycle> CycleNamed(const QString &word)
{
    static const struct
    {
        const char *letter;
        const char *name;
        Cycle cycle;
    } kNames[] = {
        {"i", "intellectuel", Cycle::Intellectuel},
        {"s", "sentimental", Cycle::Sentimental},
        {"p", "physique", Cycle::Physique},
    };
    for (const auto &name : kNames) {
        if (word == QLatin1String(name.letter) || word == QLatin1String(name.name))
            return name.cycle;
    }
    return std::nullopt;
}

bool IsAverage(const QString &word)
{
    return word == QLatin1String("m") || word == QLatin1String("moyenne");
}

} // namespace

bool ReadCountedCycles(const QString &text, BestDaysQuery &query)
{
    const QStringList words = text.trimmed().toLower().split(u',');
    if (words.size() == 1 && IsAverage(words.constFirst().trimmed())) {
        query.average = true;
        return true;
    }
    Cycles cycles;
    for (const QString &word : words) {
        const std::optional<Cycle> cycle = CycleNamed(word.trimmed());
        if (!cycle)
            return false;
        cycles |= *cycle;
    }
    query.cycles = cycles;
    query.average = false;
    return true;
}

std::optional<QDate> ReadFromDate(const QString &text)
{
    const QDate date = QDate::fromString(text.trimmed(), QStringLiteral("dd/MM/yyyy"));
    if (!date.isValid() || date < QDate(100, 1, 1) || date > StudyDays::LastDate())
        return std::nullopt;
    return date;
}

QJsonObject BestDaysJson(const QList<BestDay> &days)
{
    QJsonArray list;
    for (const BestDay &day : days) {
        list.append(QJsonObject{
            {QStringLiteral("date"), day.date.toString(Qt::ISODate)},
            {QStringLiteral("intellectual"), day.values.intellectual},
            {QStringLiteral("sentimental"), day.values.sentimental},
            {QStringLiteral("physical"), day.values.physical},
            {QStringLiteral("mean"), day.mean},
        });
    }
    return QJsonObject{{QStringLiteral("days"), list}};
}

int RunBestDays(const QString &path, BestDaysQuery query, bool json, QTextStream &out,
                QTextStream &err)
{
    const LoadedStudy study = LoadStudy(path);
    if (!study.document) {
        err << study.error << Qt::endl;
        return 1;
    }
    const std::optional<StudyDays> days = StudyDays::Of(*study.document);
    if (!days) {
        err << QStringLiteral("Une étude Affinité n'a pas de date de départ, donc pas de "
                              "meilleurs jours : choisissez une étude Biorythme ou "
                              "Compatibilité.")
            << Qt::endl;
        return 2;
    }
    if (!query.from.isValid())
        query.from = QDate::currentDate();
    if (const QString past = SpanPastLastDate(query.from, query.span, StudyDays::LastDate());
        !past.isEmpty()) {
        err << past << Qt::endl;
        return 2;
    }
    const QList<BestDay> best = BestDays(*days, query);
    if (json) {
        out << QJsonDocument(BestDaysJson(best)).toJson(QJsonDocument::Indented);
    } else {
        const QString span =
            QStringLiteral("du %1 au %2 (%3)")
                .arg(MessageDate(query.from), MessageDate(query.from.addDays(query.span - 1)),
                     BestDaysRule(query));
        if (best.isEmpty())
            out << QStringLiteral("Aucun jour ne convient ") << span << '\n';
        else
            out << QStringLiteral("Meilleurs jours ") << span << " :\n";
        for (int rank = 0; rank < best.size(); ++rank)
            out << QStringLiteral("%1. ").arg(rank + 1, 3) << BestDayLine(*days, best.at(rank))
                << '\n';
    }
    out.flush();
    return 0;
}
