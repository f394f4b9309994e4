#include "people/wizard_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

QPushButton *AddWizardButtons(QDialog *dialog, QVBoxLayout *layout, const QString &confirmText)
{
    auto *confirm = new QPushButton(confirmText, dialog);
    confirm->setObjectName(QStringLiteral("1"));
    confirm->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Annuler"), dialog);
    cancel->setObjectName(QStringLiteral("2"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);
    layout->addStretch();
    layout->addLayout(buttons);

    QObject::connect(confirm, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return confirm;
}
