#pragma once

#include "core/ole_date_time.h"
#include "people/names_list.h"

#include <QDialog>
#include <QString>

class DatePicker;
class NameBox;
class QGroupBox;
class QLabel;
class QPushButton;

// Step 1 of the study wizard: the name and birth date of one or two persons. The caller
// presets the fields, runs exec() and reads the fields back on the confirm result.
class CWizidentite : public QDialog
{
    Q_OBJECT

public:
    explicit CWizidentite(QWidget *parent = nullptr);

    NamesList m_names;
    bool m_bOnePerson = false;
    bool m_bDirectCreate = false;
    QString m_strTitle;
    COleDateTime m_dateBirth1, m_dateBirth2;
    QString m_strName1, m_strName2;
    bool m_bEdit = false;

    // Shows the fields, runs the dialog and, when confirmed, takes the fields back.
    int exec() override;
    void accept() override;

private:
    void ShowFields();
    void TakeFields();
    void Register(const QString &name, const COleDateTime &birthDate);
    void OnNameChosen(NameBox *box, DatePicker *picker, int index);

    NameBox *m_nameBox1 = nullptr;
    DatePicker *m_picker1 = nullptr;
    QGroupBox *m_group2 = nullptr;
    QLabel *m_nameLabel2 = nullptr;
    QLabel *m_birthLabel2 = nullptr;
    NameBox *m_nameBox2 = nullptr;
    DatePicker *m_picker2 = nullptr;
    QPushButton *m_confirm = nullptr;
};
