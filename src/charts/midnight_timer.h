#pragma once

class QDateTime;
class QObject;
class QTimer;

// A precise single-shot timer, owned by parent, for the change of day that today's mark follows.
QTimer *MidnightTimer(QObject *parent);
// Sets the timer to fire at the first local midnight after now, within a day.
void StartForMidnight(QTimer &timer, const QDateTime &now);
