#include "mainwindow/app_icons.h"

#include "build_facts.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <algorithm>
#include <set>
#include <span>
#include <utility>
#include <vector>

namespace {

// The pixels of a square image of `side`, built in uncompressed: used in place, nothing decoded.
QPixmap ReadPixels(const QString &path, int side)
{
    const QResource resource(path);
    if (resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() != qint64(side) * side * 4)
        return {};
    return QPixmap::fromImage(
        QImage(resource.data(), side, side, side * 4, QImage::Format_ARGB32_Premultiplied));
}

// An icon whose built-in images (raw pixels, one resource per size) are read only at the sizes
// that are asked for: Qt reads every file of an icon as soon as it is added, and most sizes are
// never shown. The pixmaps themselves, and
// those of the other modes, come from a Qt icon holding the files read so far, so that they
// are Qt's own; the size chosen for a request is the one Qt would choose among all the files.
class RenderedIconEngine final : public QIconEngine
{
public:
    RenderedIconEngine(QString pattern, std::vector<int> sizes)
        : m_pattern(std::move(pattern)), m_sizes(std::move(sizes))
    {
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        Q_UNUSED(mode);
        Q_UNUSED(state);
        const int side = BestSide(size);
        QSize actual(side, side);
        if (actual.width() > size.width() || actual.height() > size.height())
            actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const int side = BestSide(size);
        if (m_read.insert(side).second)
            m_icon.addPixmap(ReadPixels(m_pattern.arg(side), side));
        return m_icon.pixmap(size, 1.0, mode, state);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const QPaintDevice *device = painter->device();
        const qreal ratio = device ? device->devicePixelRatio() : qGuiApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off) {
            for (const int side : m_sizes)
                sizes << QSize(side, side);
        }
        return sizes;
    }

    QIconEngine *clone() const override { return new RenderedIconEngine(m_pattern, m_sizes); }

private:
    // As Qt chooses: the smallest image covering the area asked for, else the largest.
    int BestSide(const QSize &size) const
    {
        const qint64 wanted = qint64(size.width()) * size.height();
        const auto covering = std::find_if(m_sizes.begin(), m_sizes.end(),
                                           [&](int side) { return qint64(side) * side >= wanted; });
        return covering != m_sizes.end() ? *covering : m_sizes.back();
    }

    QString m_pattern;        // the file of one size, %1 standing for its side
    std::vector<int> m_sizes; // in increasing order
    std::set<int> m_read;
    QIcon m_icon;
};

QIcon Rendered(const QString &folder, const QString &name, std::span<const int> sizes)
{
    std::vector<int> sorted(sizes.begin(), sizes.end());
    std::sort(sorted.begin(), sorted.end());
    return QIcon(new RenderedIconEngine(QStringLiteral(":/app/%1/%3x%3/%2.argb").arg(folder, name),
                                        std::move(sorted)));
}

} // namespace

QIcon ToolIcon(const QString &name)
{
    return Rendered(QStringLiteral("icons"), name, build_facts::kToolIconSizes);
}

QIcon ProgramIcon()
{
    return Rendered(QStringLiteral("program"), QStringLiteral("ondaris"),
                    build_facts::kProgramIconSizes);
}
