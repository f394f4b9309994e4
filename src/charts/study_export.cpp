#include "charts/study_export.h"

#include "charts/page_export.h"
#include "studies/study_calendar.h"
#include "studies/study_csv.h"
#include "studies/study_days.h"
#include "studies/study_loader.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace {

QString NoCalendarMessage()
{
    return QStringLiteral("Une étude Affinité n'a pas de date de départ, donc pas de jours "
                          "critiques : exportez-la en PDF, PNG, SVG ou CSV.");
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

// The bytes of a format that is not a page; an error text when there are none.
QString DaysFile(const CDocument &study, ExportFormat format, int span, QByteArray &bytes)
{
    if (format == ExportFormat::Csv) {
        bytes = StudyCsv(study, span);
        return {};
    }
    const std::optional<StudyDays> days = StudyDays::Of(study);
    if (!days)
        return NoCalendarMessage();
    const StudyCalendar calendar = StudyCalendarOf(*days, span, QDateTime::currentDateTimeUtc());
    bytes = calendar.text;
    return calendar.error;
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

QString ExportStudy(CDocument &study, ExportFormat format, const QString &path, int span)
{
    QByteArray bytes;
    const std::optional<PageFormat> page = PageFormatOf(format);
    if (!page) {
        const QString error = DaysFile(study, format, span, bytes);
        if (!error.isEmpty())
            return error;
    }
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written && page)
        written = WritePage(file, study, *page);
    else if (written)
        written = file.write(bytes) == bytes.size();
    if (!written || !file.commit())
        return QStringLiteral("Impossible d'écrire « %1 » : %2").arg(path, file.errorString());
    return {};
}

int RunExport(const QString &outPath, const QString &studyPath, int span, QTextStream &err)
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
    if (!ExportAllowed(*study.document, *format)) {
        err << NoCalendarMessage() << Qt::endl;
        return 2;
    }
    const QString error = ExportStudy(*study.document, *format, outPath, span);
    if (!error.isEmpty()) {
        err << error << Qt::endl;
        return 1;
    }
    return 0;
}
