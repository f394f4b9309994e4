#include "core/affinity.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int kRounds = 400;

double Score(double sum)
{
    return 100 - sum * 5 / kRounds * 10;
}

} // namespace

AffinityScores ComputeAffinityScores(qint32 birthDay1, qint32 birthDay2, double pi)
{
    // The difference of two day numbers of real dates fits 32 bits; 64 keeps any input defined.
    const qint64 d = std::llabs(static_cast<qint64>(birthDay1) - birthDay2);
    const double w = pi + pi;
    double s33 = 0.0;
    double s28 = 0.0;
    double s23 = 0.0;
    for (int i = 1; i <= kRounds; ++i) {
        const double a = w * i;
        const double b = w * static_cast<double>(i + d);
        s33 += std::fabs(std::sin(a / 33) - std::sin(b / 33));
        s28 += std::fabs(std::sin(a / 28) - std::sin(b / 28));
        s23 += std::fabs(std::sin(a / 23) - std::sin(b / 23));
    }

    AffinityScores scores;
    scores.intellectual = Score(s33);
    scores.sentimental = Score(s28);
    scores.physical = Score(s23);
    scores.average = ((scores.sentimental + scores.intellectual) + scores.physical) / 3;
    scores.textIntellectual = TruncatedText(scores.intellectual);
    scores.textSentimental = TruncatedText(scores.sentimental);
    scores.textPhysical = TruncatedText(scores.physical);
    scores.textAverage =
        TruncatedText((scores.sentimental + scores.intellectual + scores.physical) / 3);
    return scores;
}

QString TruncatedText(double value)
{
    const double whole = std::trunc(value);
    // -0.5 truncates to zero, which is written without a sign.
    return QString::number(whole == 0 ? 0.0 : whole, 'f', 0);
}
