#include "people/brand_images.h"

#include <QLabel>

QPixmap BannerPixmap()
{
    return QPixmap(QStringLiteral(":/people/banner.png"));
}

QPixmap LogoPixmap()
{
    return QPixmap(QStringLiteral(":/people/logo.png"));
}

QLabel *CreateBanner(QWidget *parent)
{
    auto *banner = new QLabel(parent);
    banner->setObjectName(QStringLiteral("banner"));
    banner->setPixmap(BannerPixmap());
    banner->setAccessibleName(kBannerName);
    banner->setFixedSize(273, 45);
    return banner;
}
