#pragma once

#include "studies/best_days.h"
#include "studies/study_days.h"

#include <QDate>
#include <QDialog>

class CDocument;
class DatePicker;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;

// "&Meilleurs jours...": the days of a span whose counted values all lie above a threshold, best
// first. The list follows every change of the question; it can be copied, exported to CSV, and
// a line opens the year on its day.
class BestDaysDialog : public QDialog
{
    Q_OBJECT
public:
    // The study must have a start date. today opens the span; folder is where the CSV goes.
    BestDaysDialog(const CDocument &study, const QDate &today, const QString &folder,
                   QWidget *parent = nullptr);

    BestDaysQuery Query() const;
    const QList<BestDay> &Days() const { return m_days; }
    // The day whose line was opened, after the dialog ended with it; invalid otherwise.
    QDate OpenedDate() const { return m_opened; }
    // The list as it is copied: a heading, then a line a day, fields between tabs.
    QString ListText() const;

public Q_SLOTS:
    void Search();
    void Copy();
    // A file dialog, then the CSV of the list; a failure is told in a message box.
    void ExportCsv();
    // Ends the dialog on the selected line's day.
    void OpenSelected();

private:
    StudyDays m_studyDays;
    QString m_folder;
    DatePicker *m_from;
    QSpinBox *m_span;
    QCheckBox *m_cycles[3];
    QCheckBox *m_average;
    QDoubleSpinBox *m_threshold;
    QCheckBox *m_skipCritical;
    QLabel *m_summary;
    QTreeWidget *m_list;
    QPushButton *m_open;
    QList<BestDay> m_days;
    QDate m_opened;
};
