#pragma once

#include "studies/study_year.h"

#include <QString>

class CDocument;
class QWidget;

// "&Exporter...": a file dialog that offers the formats the study allows and proposes its title
// in folder, then the export of the page or of the study's 29 days. A failure is told in a
// message box. Returns the file written, or an empty text when nothing was.
QString ExportWithDialog(QWidget *parent, CDocument &study, const QString &folder);

// The same for the year of a study with a start date, its page shaded by the curve: PDF, PNG,
// SVG or the CSV of its days.
QString ExportYearWithDialog(QWidget *parent, const CDocument &study, const QString &folder,
                             StudyYear::Curve curve);
