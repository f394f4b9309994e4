#include "people/wizard_start.h"

#include "people/brand_images.h"
#include "people/date_picker.h"
#include "people/dialog_units.h"
#include "people/wizard_buttons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CWizdepart::CWizdepart(QWidget *parent)
    : QDialog(parent), m_dateStart(COleDateTime::GetCurrentTime())
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(CreateBanner(this));

    auto *label = new QLabel(QStringLiteral("Date de départ du Biorythme :"), this);
    m_picker = new DatePicker(this);
    m_picker->setObjectName(QStringLiteral("1010"));
    label->setBuddy(m_picker);
    auto *field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(m_picker);
    field->addStretch();
    layout->addSpacing(VerticalUnits(this, 8));
    layout->addLayout(field);

    m_confirm = AddWizardButtons(this, layout, QStringLiteral("Créer"));
    setMinimumWidth(HorizontalUnits(this, 198));
}

int CWizdepart::exec()
{
    setWindowTitle(m_strTitle);
    m_picker->SetDate(m_dateStart);
    if (m_bEdit)
        m_confirm->setText(QStringLiteral("Modifier"));
    m_picker->setFocus();
    adjustSize();
    setFixedSize(size());
    return QDialog::exec();
}

void CWizdepart::accept()
{
    m_dateStart = m_picker->Date();
    QDialog::accept();
}
