#include "people/brand_images.h"

QPixmap BannerPixmap()
{
    return QPixmap(273, 45);
}
QPixmap LogoPixmap()
{
    return QPixmap(276, 280);
}
