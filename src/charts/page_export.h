#pragma once

#include "studies/study_year.h"

#include <QString>

class CDocument;
class QIODevice;

enum class PageFormat { Pdf, Png, Svg };

// Why pages of the format cannot be written here, in French (the SVG module is missing); empty
// when they can.
QString PageFormatUnavailable(PageFormat format);

// Writes a study's page, exactly as it prints, to the device: a one-page A4 PDF (vector, text
// selectable), a 300-dpi A4 image on white, or an A4 SVG drawing at 300 dpi. No window is
// needed. False when the device cannot be painted on or written.
bool WritePage(QIODevice &device, CDocument &study, PageFormat format);

// Writes the year of a study with a start date, its cells shaded by the curve, as it prints: one
// A4 landscape page in the format.
bool WriteYearPage(QIODevice &device, const CDocument &study, PageFormat format,
                   StudyYear::Curve curve);
