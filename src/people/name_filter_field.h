#pragma once

#include <QLineEdit>

class NameBox;

// The search field of a name box: the box keeps the names that contain what is typed, accents
// and case ignored. Down and Up choose the next and previous kept name as a pick from the list
// would; Enter chooses the first when none is, and hands the keyboard to the name box; Escape
// empties the field before it closes the dialog.
class NameFilterField : public QLineEdit
{
    Q_OBJECT

public:
    NameFilterField(NameBox *box, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    NameBox *m_box;
};

// Ctrl+F in the dialog goes to the search field of the person whose fields have the keyboard,
// else to the first one shown.
void AddFindShortcut(QWidget *dialog, const QList<NameFilterField *> &fields);
