#pragma once

#include <QJsonObject>
#include <QString>

class CDocument;
class QTextStream;

// What a study holds, for scripts: one object whose keys are the members' own names.
QJsonObject StudyInfoJson(const CDocument &document);
// The same content as French text, one item a line.
QString StudyInfoText(const CDocument &document);

// `ondaris --info [--json] STUDY`: prints the study to out and returns 0; for a file that
// cannot be read prints its message to err, nothing to out, and returns 1.
int RunStudyInfo(const QString &path, bool json, QTextStream &out, QTextStream &err);
