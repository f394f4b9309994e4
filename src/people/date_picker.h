#pragma once

#include "core/ole_date_time.h"

#include <QDateEdit>
#include <QTime>

// The dialogs' date picker: short date format with a four-digit year, the years 100 to 9999,
// a calendar that opens right-aligned under the box. It gives back the time of day of the
// date it was given, as the callers keep the value whole.
class DatePicker : public QDateEdit
{
    Q_OBJECT

public:
    explicit DatePicker(QWidget *parent = nullptr);

    void SetDate(const COleDateTime &date);
    COleDateTime Date() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTime m_time{0, 0};
};
