#include "people/date_picker.h"

DatePicker::DatePicker(QWidget *parent) : QDateEdit(parent) {}
void DatePicker::SetDate(const COleDateTime &) {}
COleDateTime DatePicker::Date() const
{
    return {};
}
bool DatePicker::eventFilter(QObject *watched, QEvent *event)
{
    return QDateEdit::eventFilter(watched, event);
}
