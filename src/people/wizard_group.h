#pragma once

#include "people/names_list.h"

#include <QDialog>
#include <QList>
#include <QString>

class DatePicker;
class NameBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;

// The members step of a group: the names list with a check box per person, a filter as you
// type, and the fields to add a person not yet registered. The caller presets the fields, runs
// exec() and reads them back on the confirm result.
class CWizgroupe : public QDialog
{
    Q_OBJECT

public:
    explicit CWizgroupe(QWidget *parent = nullptr);

    NamesList m_names;
    QString m_strTitle;
    bool m_bEdit = false;
    // The members in their order: the checked persons, in the order of the list shown.
    QList<PersonRecord> m_members;

    int exec() override;
    // Refused, with a French message, for fewer than 2 or more than 100 members.
    void accept() override;

    // What the list offers, for tests: the person of each row and whether it is checked.
    int RowCount() const;
    PersonRecord RowPerson(int row) const;
    bool IsChecked(int row) const;
    void SetChecked(int row, bool checked);

private:
    void ShowFields();
    void AddRow(const PersonRecord &person, bool checked);
    // "Ajouter": registers the person typed in the fields, as the identity step does, and
    // checks it.
    void OnAdd();
    void UpdateCount();
    QList<PersonRecord> CheckedPersons() const;

    QStandardItemModel *m_model = nullptr;
    QSortFilterProxyModel *m_filtered = nullptr;
    QLineEdit *m_filter = nullptr;
    QListView *m_list = nullptr;
    QLabel *m_count = nullptr;
    NameBox *m_nameBox = nullptr;
    DatePicker *m_picker = nullptr;
    QPushButton *m_confirm = nullptr;
};
