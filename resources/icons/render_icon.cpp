// Build-time tool: renders one SVG icon into the PNG sizes of the hicolor theme.
// Usage: render_icon INPUT.svg OUTPUT_DIR SUBDIR NAME SIZE...
// writes OUTPUT_DIR/<SIZE>x<SIZE>/SUBDIR/NAME.png for each size.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 6) {
        std::fprintf(stderr, "usage: %s INPUT.svg OUTPUT_DIR SUBDIR NAME SIZE...\n", argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: not a valid SVG file\n", argv[1]);
        return 1;
    }
    const QDir outDir(QString::fromLocal8Bit(argv[2]));
    const QString subdir = QString::fromLocal8Bit(argv[3]);
    const QString name = QString::fromLocal8Bit(argv[4]);
    for (int i = 5; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size <= 0 || size > 1024) {
            std::fprintf(stderr, "%s: not an icon size\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            renderer.render(&painter, QRectF(0, 0, size, size));
        }
        const QString dir = QStringLiteral("%1x%1/%2").arg(size).arg(subdir);
        const QString file =
            outDir.filePath(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!outDir.mkpath(dir) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
