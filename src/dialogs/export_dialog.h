#pragma once

#include <QString>

class CDocument;
class QWidget;

// "&Exporter...": a file dialog that offers the formats the study allows and proposes its title
// in folder, then the export of the page or of the study's 29 days. A failure is told in a
// message box. Returns the file written, or an empty text when nothing was.
QString ExportWithDialog(QWidget *parent, CDocument &study, const QString &folder);
