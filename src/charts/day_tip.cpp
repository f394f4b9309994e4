#include "charts/day_tip.h"

#include <QHelpEvent>
#include <QToolTip>

bool ShowDayTip(QWidget *viewport, QEvent *event, const QString &tip)
{
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), tip, viewport);
    }
    return true;
}
