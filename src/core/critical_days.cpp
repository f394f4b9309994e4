#include "core/critical_days.h"

namespace {

struct CycleInfo
{
    Cycle cycle;
    qint64 period;
    const char16_t *name;
};

const CycleInfo kCycles[] = {
    {Cycle::Physique, 23, u"Physique"},
    {Cycle::Sentimental, 28, u"Sentimental"},
    {Cycle::Intellectuel, 33, u"Intellectuel"},
};

} // namespace

Cycles CriticalCycles(qint64 age)
{
    // The zeros lie at the multiples of T / 2: one lies in [k, k + 1) when 2k or 2k + 1 is a
    // multiple of T. Whole numbers only, so that no rounding of a sine decides it.
    Cycles cycles;
    for (const CycleInfo &info : kCycles) {
        const qint64 rest = ((2 * age) % info.period + info.period) % info.period;
        if (rest == 0 || (info.period % 2 == 1 && rest == info.period - 1))
            cycles |= info.cycle;
    }
    return cycles;
}

QList<CriticalDay> CriticalDays(qint32 birthDay, qint32 startDay, int span)
{
    QList<CriticalDay> days;
    const qint64 lived = qint64(startDay) - birthDay;
    for (int day = 0; day < span; ++day) {
        const Cycles cycles = CriticalCycles(lived + day);
        if (cycles)
            days.append(CriticalDay{day, cycles});
    }
    return days;
}

QStringList CycleNames(Cycles cycles)
{
    QStringList names;
    for (const CycleInfo &info : kCycles) {
        if (cycles & info.cycle)
            names.append(QString::fromUtf16(info.name));
    }
    return names;
}
