#include "people/brand_images.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QPixmap Render(const QString &resource, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

QPixmap BannerPixmap()
{
    return Render(QStringLiteral(":/people/banner.svg"), QSize(273, 45));
}

QPixmap LogoPixmap()
{
    return Render(QStringLiteral(":/people/logo.svg"), QSize(276, 280));
}

QLabel *CreateBanner(QWidget *parent)
{
    auto *banner = new QLabel(parent);
    banner->setObjectName(QStringLiteral("banner"));
    banner->setPixmap(BannerPixmap());
    banner->setFixedSize(273, 45);
    return banner;
}
