#pragma once

#include <array>

inline constexpr double kPi = 3.141592653589793;
inline constexpr int kSeriesLength = 31;
using CycleSeries = std::array<double, kSeriesLength>;

inline constexpr double kIntellectualPeriod = 33.0;
inline constexpr double kSentimentalPeriod = 28.0;
inline constexpr double kPhysicalPeriod = 23.0;

// -5 x sin(pi x 2n / T): negative in the high half of the cycle.
double CycleValue(double period, int days, double pi = kPi);

// Entry i of each series is the cycle value of daysLived + i.
void FillCycleSeries(int daysLived, CycleSeries &intellectual, CycleSeries &sentimental,
                     CycleSeries &physical, double pi = kPi);

// The mean of two persons' values of a cycle on day k of a study: lived1 and lived2 are their
// ages on the start date.
double MeanCycleValue(double period, int lived1, int lived2, int k, double pi = kPi);

// The "Moyenne" of one day's three values, added in the order sentimental, intellectual,
// physical.
double CycleAverage(double intellectual, double sentimental, double physical);
// The "Moyenne" curve of day i, added in the order sentimental, intellectual, physical.
double CycleAverage(const CycleSeries &intellectual, const CycleSeries &sentimental,
                    const CycleSeries &physical, int day);
