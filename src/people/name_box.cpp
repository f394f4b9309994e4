#include "people/name_box.h"

#include <QCollator>
#include <QLineEdit>
#include <QLocale>
#include <limits>

NameBox::NameBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    // Inline completion would turn a new name typed as a prefix of a registered one into the
    // registered name.
    setCompleter(nullptr);
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    // Leaving the box with a registered name typed in must not count as choosing it: only a
    // pick from the list takes that person's birth date.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(this, &QComboBox::activated, this, [this](int index) {
        m_chosen = index >= 0;
        if (m_chosen)
            Q_EMIT nameChosen(index);
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_chosen = false; });
}

void NameBox::SetNames(const NamesList &names)
{
    const QString text = currentText();
    clear();
    for (int i = 0; i < names.count; ++i)
        AddName(names.records[static_cast<size_t>(i)].name);
    ClearChoice(text);
}

void NameBox::AddName(const QString &name)
{
    QCollator collator(QLocale(QLocale::French, QLocale::France));
    int at = count();
    while (at > 0 && collator.compare(itemText(at - 1), name) > 0)
        --at;
    const QString text = currentText();
    // The current item follows its row; an empty box would make the new item current.
    insertItem(at, name);
    if (!m_chosen)
        ClearChoice(text);
}

int NameBox::ChosenIndex() const
{
    return m_chosen ? currentIndex() : -1;
}

void NameBox::ClearChoice(const QString &text)
{
    setCurrentIndex(-1);
    m_chosen = false;
    setEditText(text);
    // A long name shows its beginning, not its end.
    lineEdit()->setCursorPosition(0);
}
