#include "charts/midnight_timer.h"

#include <QDateTime>
#include <QTimer>
#include <algorithm>

QTimer *MidnightTimer(QObject *parent)
{
    auto *timer = new QTimer(parent);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

void StartForMidnight(QTimer &timer, const QDateTime &now)
{
    const QDateTime midnight(now.date().addDays(1), QTime(0, 0));
    timer.start(int(std::clamp<qint64>(now.msecsTo(midnight), 1, 24 * 3600 * 1000)));
}
