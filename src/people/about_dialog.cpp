#include "people/about_dialog.h"

#include "people/brand_images.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent), m_strBuild(QStringLiteral("0000000431"))
{
    setWindowTitle(QStringLiteral("À propos d'Ondaris"));
    auto *layout = new QVBoxLayout(this);
    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(LogoPixmap());
    logo->setAccessibleName(kLogoName);
    logo->setFixedSize(276, 280);
    layout->addWidget(logo, 0, Qt::AlignHCenter);

    auto *version = new QLabel(QStringLiteral("Version 3.0.0."), this);
    version->setObjectName(QStringLiteral("version"));
    auto *build = new QLabel(m_strBuild, this);
    build->setObjectName(QStringLiteral("1000"));
    build->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(version);
    row->addWidget(build);
    row->addStretch();
    row->addWidget(ok);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &CAboutDlg::accept);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
