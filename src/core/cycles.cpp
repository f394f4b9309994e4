#include "core/cycles.h"

#include <QtGlobal>
#include <cmath>

double CycleValue(double period, int days, double pi)
{
    // 2n is formed as an integer first; 64 bits keep it exact for every int.
    const double x = static_cast<double>(2 * static_cast<qint64>(days));
    return -5.0 * std::sin((x * pi) / period);
}

void FillCycleSeries(int daysLived, CycleSeries &intellectual, CycleSeries &sentimental,
                     CycleSeries &physical, double pi)
{
    for (int i = 0; i < kSeriesLength; ++i) {
        const int n = daysLived + i;
        intellectual[i] = CycleValue(kIntellectualPeriod, n, pi);
        sentimental[i] = CycleValue(kSentimentalPeriod, n, pi);
        physical[i] = CycleValue(kPhysicalPeriod, n, pi);
    }
}

double CycleAverage(const CycleSeries &intellectual, const CycleSeries &sentimental,
                    const CycleSeries &physical, int day)
{
    return (sentimental[day] + intellectual[day] + physical[day]) / 3;
}
