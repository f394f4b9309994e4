#pragma once

#include "people/names_list.h"

#include <QComboBox>
#include <QString>

class QSortFilterProxyModel;
class QStandardItemModel;

// An editable drop-down of registered names, sorted alphabetically with duplicates kept. The
// text scrolls without a length limit. An item counts as chosen only when the user picked it
// from the list (mouse or arrow keys) and has not typed over it since; typing a registered
// name by hand does not choose it. A filter may keep only some names in the list; indexes and
// item texts are those of the names kept.
class NameBox : public QComboBox
{
    Q_OBJECT

public:
    explicit NameBox(QWidget *parent = nullptr);

    // Replaces the list by the names of the records in use.
    void SetNames(const NamesList &names);
    // Inserts one name at its sorted place, after any equal names.
    void AddName(const QString &name);
    // The index of the chosen item, or -1.
    int ChosenIndex() const;
    // Forgets the chosen item and shows the text.
    void ClearChoice(const QString &text = QString());
    // Keeps the names that contain the text, accents and case ignored; all of them when it is
    // empty. A chosen name that is no longer kept is no longer chosen, and leaves the box empty.
    void SetFilter(const QString &text);
    // Chooses the kept name `step` places after the chosen one (before it when negative), or
    // the first (the last) when none is chosen, as a pick from the list does.
    void ChooseKept(int step);

Q_SIGNALS:
    // The user picked an item of the list.
    void nameChosen(int index);

private:
    bool m_chosen = false;
    QStandardItemModel *m_names;
    QSortFilterProxyModel *m_kept;
};
