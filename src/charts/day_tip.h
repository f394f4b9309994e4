#pragma once

#include <QString>

class QEvent;
class QWidget;

// Answers a tool-tip event over a chart's viewport with the day's text, or hides the tip where
// there is no day (an empty text). Always handled.
bool ShowDayTip(QWidget *viewport, QEvent *event, const QString &tip);
