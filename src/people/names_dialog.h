#pragma once

#include "core/ole_date_time.h"
#include "people/names_list.h"

#include <QDialog>
#include <QString>

class DatePicker;
class NameBox;

// "Gestion des personnes enregistrées": adds, re-dates and removes registered persons in its
// own copy of the list, which the caller copies back on the confirm result.
class CGestionNoms : public QDialog
{
    Q_OBJECT

public:
    explicit CGestionNoms(QWidget *parent = nullptr);

    NamesList m_names;
    QString m_strName;
    COleDateTime m_dateBirth;
    bool m_bClosing = false;

    // Shows the fields, fills the list and runs the dialog.
    int exec() override;
    void accept() override;

private:
    bool TakeFields();
    void ShowFields();
    // False when the fields were refused or a typed name found no room; a message said why.
    bool OnAdd();
    void OnRemove();
    void OnNameChosen(int index);
    // Persons in from an address book or a table, and the list out to one.
    void OnImport();
    void OnExport();

    NameBox *m_nameBox = nullptr;
    DatePicker *m_picker = nullptr;
};
