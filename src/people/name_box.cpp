#include "people/name_box.h"

#include "people/folded_text.h"

#include <QCollator>
#include <QLineEdit>
#include <QLocale>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <algorithm>
#include <limits>

namespace {

// Keeps the names whose folded text contains the folded filter.
class FoldedFilter : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void SetText(const QString &text)
    {
        m_folded = FoldedText(text);
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        return m_folded.isEmpty() ||
               FoldedText(sourceModel()->index(row, 0, parent).data().toString())
                   .contains(m_folded);
    }

private:
    QString m_folded;
};

} // namespace

NameBox::NameBox(QWidget *parent)
    : QComboBox(parent), m_names(new QStandardItemModel(this)), m_kept(new FoldedFilter(this))
{
    m_kept->setSourceModel(m_names);
    setModel(m_kept);
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
    m_names->removeRows(0, m_names->rowCount());
    for (int i = 0; i < names.count; ++i)
        AddName(names.records[static_cast<size_t>(i)].name);
    ClearChoice(text);
}

void NameBox::AddName(const QString &name)
{
    QCollator collator(QLocale(QLocale::French, QLocale::France));
    int at = m_names->rowCount();
    while (at > 0 && collator.compare(m_names->item(at - 1)->text(), name) > 0)
        --at;
    const QString text = currentText();
    // The current item follows its row; an empty box would make the new item current.
    m_names->insertRow(at, new QStandardItem(name));
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

void NameBox::SetFilter(const QString &text)
{
    const QString shown = currentText();
    const QString chosen = m_chosen ? itemText(currentIndex()) : QString();
    static_cast<FoldedFilter *>(m_kept)->SetText(text);
    if (!m_chosen)
        ClearChoice(shown);
    else if (currentIndex() < 0 || itemText(currentIndex()) != chosen)
        ClearChoice();
}

void NameBox::ChooseKept(int step)
{
    if (count() == 0)
        return;
    const int chosen = ChosenIndex();
    const int next =
        chosen < 0 ? (step > 0 ? 0 : count() - 1) : std::clamp(chosen + step, 0, count() - 1);
    setCurrentIndex(next);
    lineEdit()->setCursorPosition(0);
    m_chosen = true;
    Q_EMIT nameChosen(next);
}
