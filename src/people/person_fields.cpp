#include "people/person_fields.h"

#include "people/date_picker.h"
#include "people/name_box.h"
#include "people/name_filter_field.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

PersonFields::PersonFields(QWidget *parent, const QString &title)
    : group(new QGroupBox(title, parent)),
      nameLabel(new QLabel(QStringLiteral("Identité :"), group)), nameBox(new NameBox(group)),
      birthLabel(new QLabel(QStringLiteral("Naissance :"), group)), picker(new DatePicker(group)),
      searchLabel(new QLabel(QStringLiteral("Rechercher :"), group)),
      search(new NameFilterField(nameBox, group))
{
    search->setObjectName(QStringLiteral("search"));
    searchLabel->setBuddy(search);
    nameLabel->setBuddy(nameBox);
    birthLabel->setBuddy(picker);
    auto *grid = new QGridLayout(group);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(nameBox, 0, 1);
    grid->addWidget(birthLabel, 1, 0);
    grid->addWidget(picker, 1, 1, Qt::AlignLeft);
    grid->addWidget(searchLabel, 2, 0);
    grid->addWidget(search, 2, 1);
    grid->setColumnStretch(1, 1);
}
