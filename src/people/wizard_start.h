#pragma once

#include "core/ole_date_time.h"

#include <QDialog>
#include <QString>

class DatePicker;
class QPushButton;

// Step 2 of the study wizard: the start date of the period.
class CWizdepart : public QDialog
{
    Q_OBJECT

public:
    explicit CWizdepart(QWidget *parent = nullptr);

    QString m_strTitle;
    COleDateTime m_dateStart;
    bool m_bEdit = false;

    // Shows the fields, runs the dialog and, when confirmed, takes the date back.
    int exec() override;
    void accept() override;

private:
    DatePicker *m_picker = nullptr;
    QPushButton *m_confirm = nullptr;
};
