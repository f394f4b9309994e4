#include "people/wizard_identity.h"

#include "people/brand_images.h"
#include "people/date_picker.h"
#include "people/dialog_units.h"
#include "people/name_box.h"
#include "people/name_filter_field.h"
#include "people/person_fields.h"
#include "people/wizard_buttons.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CWizidentite::CWizidentite(QWidget *parent)
    : QDialog(parent), m_dateBirth1(COleDateTime::GetCurrentTime()), m_dateBirth2(m_dateBirth1)
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(CreateBanner(this));

    PersonFields person1(this, QStringLiteral("Personne 1 :"));
    person1.group->setObjectName(QStringLiteral("1004"));
    m_nameBox1 = person1.nameBox;
    m_nameBox1->setObjectName(QStringLiteral("1003"));
    m_picker1 = person1.picker;
    m_picker1->setObjectName(QStringLiteral("1002"));
    layout->addWidget(person1.group);

    PersonFields person2(this, QStringLiteral("Personne 2 :"));
    m_group2 = person2.group;
    m_group2->setObjectName(QStringLiteral("1007"));
    m_nameLabel2 = person2.nameLabel;
    m_nameLabel2->setObjectName(QStringLiteral("1008"));
    m_nameBox2 = person2.nameBox;
    m_nameBox2->setObjectName(QStringLiteral("1006"));
    m_birthLabel2 = person2.birthLabel;
    m_birthLabel2->setObjectName(QStringLiteral("1009"));
    m_picker2 = person2.picker;
    m_picker2->setObjectName(QStringLiteral("1005"));
    layout->addWidget(m_group2);
    AddFindShortcut(this, {person1.search, person2.search});

    m_confirm = AddWizardButtons(this, layout, QStringLiteral("Suivant"));
    connect(m_nameBox1, &NameBox::nameChosen, this,
            [this](int index) { OnNameChosen(m_nameBox1, m_picker1, index); });
    connect(m_nameBox2, &NameBox::nameChosen, this,
            [this](int index) { OnNameChosen(m_nameBox2, m_picker2, index); });
    setMinimumWidth(HorizontalUnits(this, 198));
}

int CWizidentite::exec()
{
    ShowFields();
    return QDialog::exec();
}

void CWizidentite::accept()
{
    TakeFields();
    Register(m_strName1, m_dateBirth1);
    if (!m_bOnePerson)
        Register(m_strName2, m_dateBirth2);
    QDialog::accept();
}

void CWizidentite::ShowFields()
{
    setWindowTitle(m_strTitle);
    m_nameBox1->SetNames(m_names);
    m_nameBox1->ClearChoice(m_strName1);
    m_picker1->SetDate(m_dateBirth1);
    for (QWidget *widget :
         {static_cast<QWidget *>(m_group2), static_cast<QWidget *>(m_nameLabel2),
          static_cast<QWidget *>(m_nameBox2), static_cast<QWidget *>(m_birthLabel2),
          static_cast<QWidget *>(m_picker2)})
        widget->setVisible(!m_bOnePerson);
    m_nameBox2->SetNames(m_names);
    m_nameBox2->ClearChoice(m_strName2);
    m_picker2->SetDate(m_dateBirth2);
    if (m_bDirectCreate)
        m_confirm->setText(QStringLiteral("Créer"));
    else if (m_bEdit)
        m_confirm->setText(QStringLiteral("Modifier"));
    m_nameBox1->setFocus();
    adjustSize();
    setFixedSize(size());
}

void CWizidentite::TakeFields()
{
    m_strName1 = m_nameBox1->currentText();
    m_dateBirth1 = m_picker1->Date();
    m_strName2 = m_nameBox2->currentText();
    m_dateBirth2 = m_picker2->Date();
}

void CWizidentite::Register(const QString &name, const COleDateTime &birthDate)
{
    if (name.isEmpty())
        return;
    // A new birth date for a registered person needs no room, as in the names dialog; a full
    // list takes no new person, who stays the study's all the same.
    const int found = m_names.FindByName(name);
    if (found >= 0)
        m_names.records[static_cast<size_t>(found)].birthDate = birthDate;
    else
        m_names.Append(PersonRecord{name, birthDate});
}

void CWizidentite::OnNameChosen(NameBox *box, DatePicker *picker, int index)
{
    const int found = m_names.FindByName(box->itemText(index));
    if (found < 0)
        return;
    const PersonRecord &record = m_names.records[static_cast<size_t>(found)];
    box->setEditText(record.name);
    picker->SetDate(record.birthDate);
}
