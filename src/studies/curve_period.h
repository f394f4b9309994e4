#pragma once

#include "core/calendar.h"
#include "core/cycles.h"
#include "core/ole_date_time.h"

#include <QString>

class CDocument;

inline const QString kCurveComment = QStringLiteral("Aucun commentaire à propos de cette courbe.");

// What the Biorythme and Compatibilité studies hold alike: the start date, the period of 29
// days that it opens, the three curves over that period and the comment under the chart.
struct CurvePeriod
{
    qint32 startDay = 0;
    COleDateTime startDate = COleDateTime::GetCurrentTime();
    QString startText;
    double pi = kPi;
    CycleSeries curveIntellectual{};
    CycleSeries curveSentimental{};
    CycleSeries curvePhysical{};
    QString dayLetters;
    DayLabels dayNumbers{};
    QString comment = kCurveComment;

    // startText, startDay, dayLetters and dayNumbers from startDate.
    void RefreshStart();
    // The start-date step on the study's date, captioned after the document; on the confirm
    // result the date is taken and RefreshStart run. False when the step was cancelled.
    bool EditStart(const CDocument &document);
};
