#pragma once

#include "core/cycles.h"

#include <QString>

struct AffinityScores
{
    double intellectual = 0.0;
    double sentimental = 0.0;
    double physical = 0.0;
    double average = 0.0;
    QString textIntellectual;
    QString textSentimental;
    QString textPhysical;
    QString textAverage;
};

// Scores from 0 to 100 of two persons' cycles, from their birth day numbers.
AffinityScores ComputeAffinityScores(qint32 birthDay1, qint32 birthDay2, double pi = kPi);

// Decimal text of a value truncated toward zero, as every number shown to the user.
QString TruncatedText(double value);
