#pragma once

#include "studies/study_days.h"

#include <QJsonObject>
#include <QString>

class CDocument;
class QTextStream;

// What a study holds, for scripts: one object whose keys are the members' own names, and the
// critical days of the span days from its start date.
QJsonObject StudyInfoJson(const CDocument &document, int span = StudyDays::kPageSpan);
// The same content as French text, one item a line.
QString StudyInfoText(const CDocument &document, int span = StudyDays::kPageSpan);

// `ondaris --info [--json] STUDY [--days N]`: prints the study to out and returns 0; for a file
// that cannot be read prints its message to err, nothing to out, and returns 1; for span days
// past the last date that the dates can be written in, 2.
int RunStudyInfo(const QString &path, bool json, int span, QTextStream &out, QTextStream &err);
