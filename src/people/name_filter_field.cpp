#include "people/name_filter_field.h"

#include "people/name_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>

NameFilterField::NameFilterField(NameBox *box, QWidget *parent) : QLineEdit(parent), m_box(box)
{
    setPlaceholderText(QStringLiteral("Rechercher (Ctrl+F)"));
    setClearButtonEnabled(true);
    connect(this, &QLineEdit::textChanged, box, &NameBox::SetFilter);
}

void NameFilterField::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Down:
        m_box->ChooseKept(1);
        return;
    case Qt::Key_Up:
        m_box->ChooseKept(-1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter here picks a name; it must not confirm the dialog.
        if (m_box->ChosenIndex() < 0)
            m_box->ChooseKept(1);
        m_box->setFocus(Qt::ShortcutFocusReason);
        return;
    case Qt::Key_Escape:
        if (!text().isEmpty()) {
            clear();
            return;
        }
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

void AddFindShortcut(QWidget *dialog, const QList<NameFilterField *> &fields)
{
    auto *find = new QShortcut(QKeySequence::Find, dialog);
    QObject::connect(find, &QShortcut::activated, dialog, [fields] {
        NameFilterField *target = nullptr;
        const QWidget *focus = QApplication::focusWidget();
        for (NameFilterField *field : fields) {
            if (!field->isVisible())
                continue;
            if (!target || (focus && field->parentWidget()->isAncestorOf(focus)))
                target = field;
        }
        if (target) {
            target->setFocus(Qt::ShortcutFocusReason);
            target->selectAll();
        }
    });
}
