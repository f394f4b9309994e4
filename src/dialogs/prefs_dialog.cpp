#include "dialogs/prefs_dialog.h"

#include "people/brand_images.h"
#include "persistence/app_settings.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QCheckBox *NewCheckBox(const QString &text, const QString &id, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(id);
    return box;
}

} // namespace

TPrefs::TPrefs(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Préférences"));

    auto *banner = new QLabel(this);
    banner->setPixmap(BannerPixmap());
    banner->setAccessibleName(kBannerName);

    auto *frame = new QGroupBox(this);
    m_splash =
        NewCheckBox(QStringLiteral("Afficher le logo au démarrage"), QStringLiteral("1555"), frame);
    m_sauvList = NewCheckBox(QStringLiteral("Sauver la liste de noms en quittant."),
                             QStringLiteral("1001"), frame);
    m_sauvPosi =
        NewCheckBox(QStringLiteral("Sauver la position de la fenêtre principale en quittant."),
                    QStringLiteral("1002"), frame);
    auto *boxes = new QVBoxLayout(frame);
    boxes->addWidget(m_splash);
    boxes->addWidget(m_sauvList);
    boxes->addWidget(m_sauvPosi);

    auto *cancel = new QPushButton(QStringLiteral("Annuler"), this);
    cancel->setObjectName(QStringLiteral("2"));
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(ok);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int TPrefs::exec()
{
    m_sauvList->setChecked(m_bSauvList != 0);
    m_sauvPosi->setChecked(m_bSauvPosi != 0);
    m_splash->setChecked(m_bSplash != 0);
    return QDialog::exec();
}

void TPrefs::accept()
{
    m_bSauvList = m_sauvList->isChecked() ? 1 : 0;
    m_bSauvPosi = m_sauvPosi->isChecked() ? 1 : 0;
    m_bSplash = m_splash->isChecked() ? 1 : 0;
    QDialog::accept();
}

void TPrefs::Run(QWidget *parent)
{
    using namespace app_settings;
    TPrefs dialog(parent);
    // A box is checked exactly when the exit will act on it.
    dialog.m_bSauvList = IsOn(kSauvList) ? 1 : 0;
    dialog.m_bSauvPosi = IsOn(kSauvPosi) ? 1 : 0;
    dialog.m_bSplash = Read(kSplash) != 0 ? 1 : 0;
    if (dialog.exec() != QDialog::Accepted)
        return;
    Write(kSauvList, dialog.m_bSauvList);
    Write(kSauvPosi, dialog.m_bSauvPosi);
    Write(kSplash, dialog.m_bSplash != 0 ? 2 : 0);
}
