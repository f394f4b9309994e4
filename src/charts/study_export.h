#pragma once

#include "studies/study_year.h"

#include <QList>
#include <QString>
#include <optional>

class CDocument;
class QTextStream;

// The files a study can be exported to, named by their extensions.
enum class ExportFormat { Pdf, Png, Svg, Csv, Ics };

struct ExportFormatInfo
{
    ExportFormat format;
    QString suffix;     // "pdf"
    QString filterName; // "Page PDF", for a file dialog
};

// Every format, in the order in which a file dialog offers them.
const QList<ExportFormatInfo> &ExportFormats();
// The format that the file's extension names, in any case.
std::optional<ExportFormat> ExportFormatOf(const QString &path);
// An Affinité study has no start date, so no critical days for a calendar.
bool ExportAllowed(const CDocument &study, ExportFormat format);

// What an export came to: an empty error on success, else the French reason, and whether the
// study's days were refused (no calendar, dates past what the format carries, a calendar
// without events) rather than the file failing.
struct ExportResult
{
    QString error;
    bool refused = false;
};

// Writes the study to path, whole or not at all: its page (PDF, PNG, SVG), or its span days
// (CSV, iCalendar). A refused export, or one whose module is missing, writes nothing.
ExportResult ExportStudy(CDocument &study, ExportFormat format, const QString &path, int span);

// `ondaris --export OUT STUDY [--days N]`, without a window and without touching the names
// list: 0 on success with nothing on err; otherwise a French message on err and 1, or 2 for an
// export refused before anything is written.
int RunExport(const QString &outPath, const QString &studyPath, int span, QTextStream &err);

// Writes the year of a study with a start date, whole or not at all: its page shaded by the
// curve (PDF, PNG, SVG) or its days (CSV). Refused for an Affinité study and for a calendar.
ExportResult ExportYear(const CDocument &study, ExportFormat format, const QString &path,
                        StudyYear::Curve curve = StudyYear::Curve::Moyenne);

// `ondaris --export OUT --year STUDY`: the year of the study, with the exit codes of RunExport.
int RunYearExport(const QString &outPath, const QString &studyPath, QTextStream &err);
