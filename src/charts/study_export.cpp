#include "charts/study_export.h"

#include "charts/page_export.h"
#include "framework/file_messages.h"
#include "framework/whole_file.h"
#include "studies/groupe_doc.h"
#include "studies/study_calendar.h"
#include "studies/study_csv.h"
#include "studies/study_days.h"
#include "studies/study_loader.h"
#include "studies/study_year.h"

#include <QFileInfo>
#include <QTextStream>
#include <functional>

namespace {

QString NoCalendarMessage(const CDocument &study)
{
    const QString type = qobject_cast<const CGroupeDoc *>(&study) ? QStringLiteral("Groupe")
                                                                  : QStringLiteral("Affinité");
    return QStringLiteral("Une étude %1 n'a pas de date de départ, donc pas de jours "
                          "critiques : exportez-la en PDF, PNG, SVG ou CSV.")
        .arg(type);
}

std::optional<PageFormat> PageFormatOf(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Pdf:
        return PageFormat::Pdf;
    case ExportFormat::Png:
        return PageFormat::Png;
    case ExportFormat::Svg:
        return PageFormat::Svg;
    default:
        return std::nullopt;
    }
}

// Why the study's days cannot go to the format over span, in French; empty when they can and
// for the pages.
QString DaysRefusal(const CDocument &study, ExportFormat format, int span)
{
    if (PageFormatOf(format))
        return {};
    if (!ExportAllowed(study, format))
        return NoCalendarMessage(study);
    const std::optional<StudyDays> days = StudyDays::Of(study);
    if (!days)
        return {};
    if (format == ExportFormat::Csv)
        return days->PastLastDate(span, StudyDays::LastDate());
    const QString past =
        days->PastLastDate(span, LastCalendarDay(), QStringLiteral(" dans un agenda iCalendar"));
    if (!past.isEmpty() || !days->CriticalDays(span).isEmpty())
        return past;
    return QStringLiteral("Aucun jour critique du %1 au %2 : l'agenda serait vide.")
        .arg(MessageDate(days->Date(0)), MessageDate(days->Date(span - 1)));
}

// The bytes of a format that is not a page; an error text when there are none.
QString DaysFile(const CDocument &study, ExportFormat format, int span, QByteArray &bytes)
{
    if (format == ExportFormat::Csv) {
        bytes = StudyCsv(study, span);
        return {};
    }
    const StudyCalendar calendar =
        StudyCalendarOf(*StudyDays::Of(study), span, QDateTime::currentDateTimeUtc());
    bytes = calendar.text;
    return calendar.error;
}

ExportResult Outcome(const QString &path, const std::optional<WriteFailure> &failure)
{
    if (failure)
        return {file_messages::CannotWrite(path, failure->reason)};
    return {};
}

} // namespace

const QList<ExportFormatInfo> &ExportFormats()
{
    static const QList<ExportFormatInfo> formats{
        {ExportFormat::Pdf, QStringLiteral("pdf"), QStringLiteral("Page PDF")},
        {ExportFormat::Png, QStringLiteral("png"), QStringLiteral("Image PNG")},
        {ExportFormat::Svg, QStringLiteral("svg"), QStringLiteral("Dessin SVG")},
        {ExportFormat::Csv, QStringLiteral("csv"), QStringLiteral("Tableur CSV")},
        {ExportFormat::Ics, QStringLiteral("ics"), QStringLiteral("Agenda iCalendar")},
    };
    return formats;
}

std::optional<ExportFormat> ExportFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const ExportFormatInfo &info : ExportFormats()) {
        if (info.suffix == suffix)
            return info.format;
    }
    return std::nullopt;
}

bool ExportAllowed(const CDocument &study, ExportFormat format)
{
    return format != ExportFormat::Ics || StudyDays::Of(study).has_value();
}

ExportResult ExportStudy(CDocument &study, ExportFormat format, const QString &path, int span)
{
    if (const QString refusal = DaysRefusal(study, format, span); !refusal.isEmpty())
        return {refusal, true};
    const std::optional<PageFormat> page = PageFormatOf(format);
    QByteArray bytes;
    if (page) {
        if (const QString missing = PageFormatUnavailable(*page); !missing.isEmpty())
            return {missing};
    } else if (const QString error = DaysFile(study, format, span, bytes); !error.isEmpty()) {
        return {error};
    }
    return Outcome(
        path,
        page ? WriteWholeFile(path, [&](QIODevice &file) { return WritePage(file, study, *page); })
             : WriteWholeFile(path, bytes));
}

namespace {

// Loads the study and writes it to outPath as write does: 0, or a French message on err and 1,
// or 2 for an export refused before anything is written.
int RunStudyExport(const QString &outPath, const QString &studyPath, QTextStream &err,
                   const std::function<ExportResult(CDocument &, ExportFormat)> &write)
{
    const std::optional<ExportFormat> format = ExportFormatOf(outPath);
    if (!format) {
        err << QStringLiteral("Format d'export inconnu pour « %1 » : choisissez un fichier .pdf, "
                              ".png, .svg, .csv ou .ics.")
                   .arg(outPath)
            << Qt::endl;
        return 1;
    }
    // The study's persons go to a names list of its own: an export registers nobody.
    const LoadedStudy study = LoadStudy(studyPath);
    if (!study.document) {
        err << QStringLiteral("Impossible de lire l'étude « %1 » : %2").arg(studyPath, study.error)
            << Qt::endl;
        return 1;
    }
    const ExportResult result = write(*study.document, *format);
    if (!result.error.isEmpty()) {
        err << result.error << Qt::endl;
        return result.refused ? 2 : 1;
    }
    return 0;
}

} // namespace

int RunExport(const QString &outPath, const QString &studyPath, int span, QTextStream &err)
{
    return RunStudyExport(outPath, studyPath, err, [&](CDocument &study, ExportFormat format) {
        return ExportStudy(study, format, outPath, span);
    });
}

ExportResult ExportYear(const CDocument &study, ExportFormat format, const QString &path,
                        StudyYear::Curve curve)
{
    const std::optional<StudyDays> days = StudyDays::Of(study);
    if (!days)
        return {QStringLiteral("Une étude Affinité n'a pas de date de départ, donc pas "
                               "d'année : choisissez une étude Biorythme ou Compatibilité."),
                true};
    if (format == ExportFormat::Ics)
        return {QStringLiteral("L'année s'exporte en PDF, PNG, SVG ou CSV ; pour un agenda, "
                               "exportez l'étude en .ics avec --days."),
                true};
    const std::optional<PageFormat> page = PageFormatOf(format);
    if (page) {
        if (const QString missing = PageFormatUnavailable(*page); !missing.isEmpty())
            return {missing};
    }
    const QByteArray csv = page ? QByteArray() : YearCsv(StudyYear(*days));
    return Outcome(path, page ? WriteWholeFile(path,
                                               [&](QIODevice &file) {
                                                   return WriteYearPage(file, study, *page, curve);
                                               })
                              : WriteWholeFile(path, csv));
}

int RunYearExport(const QString &outPath, const QString &studyPath, QTextStream &err)
{
    return RunStudyExport(outPath, studyPath, err, [&](CDocument &study, ExportFormat format) {
        return ExportYear(study, format, outPath);
    });
}
