#include "people/wizard_group.h"

#include "core/calendar.h"
#include "core/group_scores.h"
#include "framework/message_box.h"
#include "people/brand_images.h"
#include "people/date_picker.h"
#include "people/dialog_units.h"
#include "people/name_box.h"
#include "people/person_fields.h"
#include "people/wizard_buttons.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kNameRole = Qt::UserRole + 1;
constexpr int kDateRole = Qt::UserRole + 2;
constexpr int kStatusRole = Qt::UserRole + 3;

QString RowText(const PersonRecord &person)
{
    const QString name = person.name.isEmpty() ? QStringLiteral("Anonyme") : person.name;
    return name + QStringLiteral(" (") + DateText(person.birthDate) + u')';
}

void SetRowPerson(QStandardItem &item, const PersonRecord &person)
{
    item.setText(RowText(person));
    item.setData(person.name, kNameRole);
    item.setData(person.birthDate.m_dt, kDateRole);
    item.setData(person.birthDate.m_status, kStatusRole);
}

} // namespace

CWizgroupe::CWizgroupe(QWidget *parent) : QDialog(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(CreateBanner(this));

    auto *members = new QGroupBox(QStringLiteral("Membres du groupe :"), this);
    auto *membersLayout = new QVBoxLayout(members);
    auto *filterLabel = new QLabel(QStringLiteral("&Filtrer :"), members);
    m_filter = new QLineEdit(members);
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setClearButtonEnabled(true);
    filterLabel->setBuddy(m_filter);
    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_filter);
    membersLayout->addLayout(filterRow);

    m_model = new QStandardItemModel(this);
    m_filtered = new QSortFilterProxyModel(this);
    m_filtered->setSourceModel(m_model);
    m_filtered->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_filtered->setFilterRole(kNameRole);
    m_list = new QListView(members);
    m_list->setObjectName(QStringLiteral("members"));
    m_list->setModel(m_filtered);
    m_list->setAccessibleName(QStringLiteral("Personnes enregistrées"));
    m_list->setMinimumHeight(VerticalUnits(this, 110));
    membersLayout->addWidget(m_list);
    m_count = new QLabel(members);
    m_count->setObjectName(QStringLiteral("count"));
    membersLayout->addWidget(m_count);
    layout->addWidget(members);

    PersonFields person(this, QStringLiteral("Nouvelle personne :"));
    m_nameBox = person.nameBox;
    m_nameBox->setObjectName(QStringLiteral("name"));
    m_picker = person.picker;
    m_picker->setObjectName(QStringLiteral("birth"));
    auto *add = new QPushButton(QStringLiteral("A&jouter au groupe"), person.group);
    add->setObjectName(QStringLiteral("add"));
    add->setAutoDefault(false);
    static_cast<QGridLayout *>(person.group->layout())->addWidget(add, 2, 1, Qt::AlignRight);
    layout->addWidget(person.group);

    m_confirm = AddWizardButtons(this, layout, QStringLiteral("Créer"));
    connect(m_filter, &QLineEdit::textChanged, m_filtered,
            &QSortFilterProxyModel::setFilterFixedString);
    connect(add, &QPushButton::clicked, this, &CWizgroupe::OnAdd);
    connect(m_model, &QStandardItemModel::itemChanged, this, &CWizgroupe::UpdateCount);
    setMinimumWidth(HorizontalUnits(this, 198));
}

int CWizgroupe::exec()
{
    ShowFields();
    return QDialog::exec();
}

void CWizgroupe::ShowFields()
{
    setWindowTitle(m_strTitle);
    m_model->clear();
    QList<PersonRecord> left = m_members;
    for (int i = 0; i < m_names.count; ++i) {
        const PersonRecord &record = m_names.records[size_t(i)];
        const auto member = std::find_if(left.begin(), left.end(), [&](const PersonRecord &p) {
            return p.name == record.name && p.birthDate.m_dt == record.birthDate.m_dt;
        });
        const bool checked = member != left.end();
        if (checked)
            left.erase(member);
        AddRow(record, checked);
    }
    // Members that the names list does not hold as they are (a full list, another birth date)
    // stay members all the same.
    for (const PersonRecord &person : std::as_const(left))
        AddRow(person, true);
    m_nameBox->SetNames(m_names);
    m_nameBox->ClearChoice();
    m_picker->SetDate(COleDateTime::GetCurrentTime());
    m_confirm->setText(m_bEdit ? QStringLiteral("Modifier") : QStringLiteral("Créer"));
    UpdateCount();
    m_filter->setFocus();
}

void CWizgroupe::AddRow(const PersonRecord &person, bool checked)
{
    auto *item = new QStandardItem;
    SetRowPerson(*item, person);
    item->setEditable(false);
    item->setCheckable(true);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    m_model->appendRow(item);
}

int CWizgroupe::RowCount() const
{
    return m_model->rowCount();
}

PersonRecord CWizgroupe::RowPerson(int row) const
{
    const QStandardItem *item = m_model->item(row);
    return PersonRecord{
        item->data(kNameRole).toString(),
        COleDateTime(item->data(kDateRole).toDouble(), item->data(kStatusRole).toInt())};
}

bool CWizgroupe::IsChecked(int row) const
{
    return m_model->item(row)->checkState() == Qt::Checked;
}

void CWizgroupe::SetChecked(int row, bool checked)
{
    m_model->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

QList<PersonRecord> CWizgroupe::CheckedPersons() const
{
    QList<PersonRecord> persons;
    for (int row = 0; row < RowCount(); ++row) {
        if (IsChecked(row))
            persons.append(RowPerson(row));
    }
    return persons;
}

void CWizgroupe::UpdateCount()
{
    const auto count = CheckedPersons().size();
    m_count->setText(count == 1 ? QStringLiteral("1 membre choisi")
                                : QStringLiteral("%1 membres choisis").arg(count));
}

void CWizgroupe::OnAdd()
{
    const QString name = PersonName(m_nameBox->currentText().trimmed());
    if (name.isEmpty()) {
        messages::Show(this, QMessageBox::Warning,
                       QStringLiteral("Tapez le nom de la personne à ajouter au groupe."));
        m_nameBox->setFocus();
        return;
    }
    const COleDateTime birthDate = m_picker->Date();
    // A new birth date for a registered person needs no room, as in the identity step; a full
    // list takes no new person, who joins the group all the same.
    const PersonRecord person{name, birthDate};
    const int found = m_names.FindByName(name);
    if (found >= 0)
        m_names.records[size_t(found)].birthDate = birthDate;
    else
        m_names.Append(person);
    // The names list's rows come first, in its order: the person's row is the first of that
    // name.
    QStandardItem *row = nullptr;
    for (int i = 0; i < RowCount() && !row; ++i) {
        if (m_model->item(i)->data(kNameRole).toString() == name)
            row = m_model->item(i);
    }
    if (row) {
        SetRowPerson(*row, person);
        row->setCheckState(Qt::Checked);
    } else {
        AddRow(person, true);
    }
    m_nameBox->SetNames(m_names);
    m_nameBox->ClearChoice();
    m_filter->clear();
    UpdateCount();
}

void CWizgroupe::accept()
{
    const QList<PersonRecord> persons = CheckedPersons();
    if (persons.size() < kGroupMinMembers) {
        messages::Show(this, QMessageBox::Warning,
                       QStringLiteral("Un groupe compte au moins deux membres : cochez deux "
                                      "personnes ou plus dans la liste."));
        return;
    }
    if (persons.size() > kGroupMaxMembers) {
        messages::Show(this, QMessageBox::Warning,
                       QStringLiteral("Un groupe compte au plus 100 membres : décochez-en %1.")
                           .arg(persons.size() - kGroupMaxMembers));
        return;
    }
    m_members = persons;
    QDialog::accept();
}
