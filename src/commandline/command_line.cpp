#include "commandline/command_line.h"

#include "build_facts.h"
#include "charts/study_export.h"
#include "commandline/best_days_command.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

struct Options
{
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Affiche cette aide.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Affiche la version d'Ondaris.")};
    QCommandLineOption print{QStringLiteral("print"),
                             QStringLiteral("Imprime l'étude sur l'imprimante par défaut, sans "
                                            "ouvrir de fenêtre.")};
    QCommandLineOption printTo{QStringLiteral("print-to"),
                               QStringLiteral("Imprime l'étude sur l'imprimante nommée, sans "
                                              "ouvrir de fenêtre."),
                               QStringLiteral("imprimante")};
    QCommandLineOption exportTo{QStringLiteral("export"),
                                QStringLiteral("Écrit l'étude dans le fichier, selon son "
                                               "extension : la page en PDF, PNG ou SVG, les "
                                               "valeurs par jour en CSV, les jours critiques en "
                                               "iCalendar (.pdf, .png, .svg, .csv, .ics)."),
                                QStringLiteral("sortie")};
    QCommandLineOption info{QStringLiteral("info"),
                            QStringLiteral("Écrit le contenu de l'étude sur la sortie standard.")};
    QCommandLineOption json{QStringLiteral("json"),
                            QStringLiteral("Avec --info ou --best-days : écrit en un objet JSON.")};
    QCommandLineOption days{QStringLiteral("days"),
                            QStringLiteral("Avec --info, --best-days ou un export .csv ou .ics : "
                                           "le nombre de jours à partir de la date de départ (1 "
                                           "à 3660, 29 sans l'option ; 1 à 366 avec "
                                           "--best-days)."),
                            QStringLiteral("jours")};
    QCommandLineOption importNames{QStringLiteral("import-names"),
                                   QStringLiteral("Ajoute à la liste des noms les personnes d'un "
                                                  "carnet d'adresses vCard (.vcf) ou d'un tableau "
                                                  "CSV (.csv), et écrit ce qui a été ajouté, "
                                                  "ignoré et refusé."),
                                   QStringLiteral("fichier")};
    QCommandLineOption exportNames{QStringLiteral("export-names"),
                                   QStringLiteral("Écrit la liste des noms dans un carnet "
                                                  "d'adresses vCard (.vcf) ou un tableau CSV "
                                                  "(.csv)."),
                                   QStringLiteral("fichier")};

    QCommandLineOption bestDays{QStringLiteral("best-days"),
                                QStringLiteral("Écrit les meilleurs jours de l'étude sur la "
                                               "sortie standard, du meilleur au moins bon (90 "
                                               "jours à partir d'aujourd'hui sans --from ni "
                                               "--days, 366 au plus) ; avec --json, en un "
                                               "objet JSON.")};
    QCommandLineOption from{QStringLiteral("from"),
                            QStringLiteral("Avec --best-days : le premier jour cherché "
                                           "(aujourd'hui sans l'option)."),
                            QStringLiteral("JJ/MM/AAAA")};
    QCommandLineOption cycles{QStringLiteral("cycles"),
                              QStringLiteral("Avec --best-days : les cycles comptés, i, s, p "
                                             "séparés par des virgules, ou moyenne (i,s,p sans "
                                             "l'option)."),
                              QStringLiteral("cycles")};
    QCommandLineOption year{QStringLiteral("year"),
                            QStringLiteral("Avec --export : écrit l'année de l'étude, douze mois "
                                           "à partir du mois de sa date de départ (.pdf, .png, "
                                           ".svg, .csv).")};

    QList<QCommandLineOption> All() const
    {
        return {help, version,  print, printTo, exportTo, info,        json,
                days, bestDays, from,  cycles,  year,     importNames, exportNames};
    }
};

QString HelpText(const Options &options)
{
    QString text = QStringLiteral("Utilisation : ondaris [options] [étude...]\n"
                                  "Ondaris 3 : biorythmes, compatibilité et affinités.\n\n"
                                  "Options :\n");
    for (const QCommandLineOption &option : options.All()) {
        QStringList names;
        for (const QString &name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString left = QStringLiteral("  ") + names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            left += QStringLiteral(" <%1>").arg(option.valueName());
        text += left.leftJustified(28) + QLatin1Char(' ') + option.description() + u'\n';
    }
    text +=
        QStringLiteral("\nArguments :\n") + QStringLiteral("  étude").leftJustified(28) +
        QStringLiteral(" Les études à ouvrir (.bio, .bi2, .aff ou .grp), ou l'étude à imprimer, "
                       "exporter ou décrire.\n");
    return text;
}

CommandLine Fail(const QString &message)
{
    CommandLine line;
    line.mode = CommandLine::Mode::Error;
    line.message = message + QStringLiteral("\nPour l'aide : ondaris --help");
    return line;
}

QString Dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The exports whose length follows --days: the others are one page.
bool ExportHasSpan(const QString &output)
{
    const std::optional<ExportFormat> format = ExportFormatOf(output);
    return format == ExportFormat::Csv || format == ExportFormat::Ics;
}

// --import-names, --export-names: the names list and one file of persons, nothing else.
CommandLine NamesTransfer(const QCommandLineParser &parser, const Options &options,
                          const QStringList &files)
{
    const bool importing = parser.isSet(options.importNames);
    const int others = int(parser.isSet(options.print)) + int(parser.isSet(options.printTo)) +
                       int(parser.isSet(options.exportTo)) + int(parser.isSet(options.info)) +
                       int(parser.isSet(options.json)) + int(parser.isSet(options.days));
    if ((importing && parser.isSet(options.exportNames)) || others > 0 || !files.isEmpty())
        return Fail(QStringLiteral("Les options --import-names et --export-names s'emploient "
                                   "seules, avec le seul fichier des personnes."));
    CommandLine line;
    line.mode = importing ? CommandLine::Mode::ImportNames : CommandLine::Mode::ExportNames;
    line.namesFile = parser.value(importing ? options.importNames : options.exportNames);
    if (line.namesFile.isEmpty())
        return Fail(QStringLiteral("Le nom du fichier des personnes est vide."));
    return line;
}

} // namespace

CommandLine ParseCommandLine(const QStringList &arguments)
{
    const Options options;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(options.All());
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            return Fail(QStringLiteral("Option inconnue : %1.")
                            .arg(Dashed(parser.unknownOptionNames().constFirst())));
        return Fail(QStringLiteral("Il manque une valeur après l'option %1.")
                        .arg(arguments.isEmpty() ? QString() : arguments.constLast()));
    }

    CommandLine line;
    if (parser.isSet(options.help)) {
        line.mode = CommandLine::Mode::Help;
        line.message = HelpText(options);
        return line;
    }
    if (parser.isSet(options.version)) {
        line.mode = CommandLine::Mode::Version;
        line.message = QStringLiteral("Ondaris %1\n").arg(QLatin1StringView(build_facts::kVersion));
        return line;
    }

    const QStringList files = parser.positionalArguments();
    if (parser.isSet(options.importNames) || parser.isSet(options.exportNames))
        return NamesTransfer(parser, options, files);
    line.study = files.value(0);

    const int modes = int(parser.isSet(options.print)) + int(parser.isSet(options.printTo)) +
                      int(parser.isSet(options.exportTo)) + int(parser.isSet(options.info));
    if (modes > 1)
        return Fail(QStringLiteral("Les options --print, --print-to, --export et --info ne "
                                   "s'emploient pas ensemble."));
    const bool bestDays = parser.isSet(options.bestDays);
    if (bestDays && modes > 0)
        return Fail(QStringLiteral("L'option --best-days ne s'emploie pas avec --print, "
                                   "--print-to, --export ni --info."));
    for (const QCommandLineOption *option : {&options.from, &options.cycles}) {
        if (parser.isSet(*option) && !bestDays)
            return Fail(QStringLiteral("L'option --%1 ne s'emploie qu'avec --best-days.")
                            .arg(option->names().constFirst()));
    }
    if (parser.isSet(options.year) && !parser.isSet(options.exportTo))
        return Fail(QStringLiteral("L'option --year ne s'emploie qu'avec --export."));
    if (parser.isSet(options.year) && parser.isSet(options.days))
        return Fail(QStringLiteral("L'option --days ne s'emploie pas avec --year : l'année a ses "
                                   "douze mois."));
    if (parser.isSet(options.json) && !parser.isSet(options.info) && !bestDays)
        return Fail(QStringLiteral("L'option --json ne s'emploie qu'avec --info ou --best-days."));
    if (parser.isSet(options.print) || parser.isSet(options.printTo)) {
        line.mode = CommandLine::Mode::Print;
        line.printer = parser.value(options.printTo);
        if (parser.isSet(options.printTo) && line.printer.isEmpty())
            return Fail(QStringLiteral("Le nom de l'imprimante est vide."));
    } else if (parser.isSet(options.exportTo)) {
        line.mode = CommandLine::Mode::Export;
        line.output = parser.value(options.exportTo);
        line.year = parser.isSet(options.year);
    } else if (parser.isSet(options.info)) {
        line.mode = CommandLine::Mode::Info;
        line.json = parser.isSet(options.json);
    } else if (bestDays) {
        line.mode = CommandLine::Mode::BestDays;
        line.json = parser.isSet(options.json);
        if (parser.isSet(options.from)) {
            const std::optional<QDate> from = ReadFromDate(parser.value(options.from));
            if (!from)
                return Fail(QStringLiteral("La date de --from s'écrit JJ/MM/AAAA, du 01/01/0100 "
                                           "au 31/12/9999 : « %1 » n'en est pas une.")
                                .arg(parser.value(options.from)));
            line.bestDays.from = *from;
        }
        if (parser.isSet(options.cycles) &&
            !ReadCountedCycles(parser.value(options.cycles), line.bestDays))
            return Fail(QStringLiteral("Les cycles de --cycles sont i, s et p séparés par des "
                                       "virgules (par exemple i,p), ou moyenne : « %1 » n'en "
                                       "est pas.")
                            .arg(parser.value(options.cycles)));
    }
    if (parser.isSet(options.days)) {
        if (line.mode != CommandLine::Mode::Info && line.mode != CommandLine::Mode::BestDays &&
            !(line.mode == CommandLine::Mode::Export && ExportHasSpan(line.output)))
            return Fail(QStringLiteral("L'option --days ne s'emploie qu'avec --info, --best-days "
                                       "ou un export .csv ou .ics."));
        bool number = false;
        const QString days = parser.value(options.days);
        line.days = days.toInt(&number);
        // "--days --json" gives --days the next option as its value.
        if (!number && days.startsWith(u'-'))
            return Fail(QStringLiteral("Il manque le nombre de jours après l'option --days."));
        // A search of the best days covers a year at most.
        const int maxSpan = line.mode == CommandLine::Mode::BestDays ? BestDaysQuery::kMaxSpan
                                                                     : StudyDays::kMaxSpan;
        if (!number || line.days < 1 || line.days > maxSpan)
            return Fail(
                QStringLiteral("Le nombre de jours doit être un entier de 1 à %1.").arg(maxSpan));
        line.bestDays.span = line.days;
    }

    if (line.mode != CommandLine::Mode::Run && line.study.isEmpty())
        return Fail(QStringLiteral("Indiquez le fichier de l'étude."));
    if (line.mode != CommandLine::Mode::Run && files.size() > 1)
        return Fail(QStringLiteral("Un seul fichier d'étude peut être indiqué."));
    for (const QString &file : files) {
        if (!QFileInfo(file).isFile())
            return Fail(QStringLiteral("Le fichier « %1 » n'existe pas.").arg(file));
    }
    if (line.mode == CommandLine::Mode::Run)
        line.studies = files;
    return line;
}
