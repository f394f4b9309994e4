#include "people/calendar_dialog.h"

Calendrier::Calendrier(QWidget *parent) : QDialog(parent) {}
