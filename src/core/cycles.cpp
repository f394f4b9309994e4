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

double MeanCycleValue(double period, int lived1, int lived2, int k, double pi)
{
    return 0.5 * (CycleValue(period, lived1 + k, pi) + CycleValue(period, lived2 + k, pi));
}

double CycleAverage(double intellectual, double sentimental, double physical)
{
    return (sentimental + intellectual + physical) / 3;
}

double CycleAverage(const CycleSeries &intellectual, const CycleSeries &sentimental,
                    const CycleSeries &physical, int day)
{
    return CycleAverage(intellectual[day], sentimental[day], physical[day]);
}
