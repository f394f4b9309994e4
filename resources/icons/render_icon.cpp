// Build-time tool: renders one SVG drawing into images of the given pixel sizes.
// Usage: render_icon [--opaque] INPUT.svg OUTPUT_PATTERN SIZE...
// A SIZE is N (a square of N pixels) or WxH; each image is written to OUTPUT_PATTERN with %1
// replaced by "WxH". Icons keep a transparent background; --opaque draws on white, for the
// pictures that the dialogs show as they are. A pattern ending in .png gives PNG files; one
// ending in .argb gives the pixels a program gets from those PNG files, premultiplied 32-bit
// words of this machine, row after row: read without decoding at all.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>
#include <cstring>

namespace {

QSize ParseSize(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,4})(?:x([0-9]{1,4}))?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return {};
    const int width = match.captured(1).toInt();
    const int height = match.hasCaptured(2) ? match.captured(2).toInt() : width;
    if (width <= 0 || height <= 0 || width > 1024 || height > 1024)
        return {};
    return {width, height};
}

bool Save(const QImage &image, const QString &file)
{
    if (!file.endsWith(QStringLiteral(".argb")))
        return image.save(file, "PNG");
    // As a PNG file stores the image and a pixmap then takes it.
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32)
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *row = reinterpret_cast<const char *>(pixels.constScanLine(y));
        if (out.write(row, qint64(pixels.width()) * 4) != qint64(pixels.width()) * 4)
            return false;
    }
    return out.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    int first = 1;
    const bool opaque = argc > 1 && std::strcmp(argv[1], "--opaque") == 0;
    if (opaque)
        ++first;
    if (argc - first < 3) {
        std::fprintf(stderr, "usage: %s [--opaque] INPUT.svg OUTPUT_PATTERN SIZE...\n", argv[0]);
        return 2;
    }
    // Drawings with text need the application's fonts.
    QGuiApplication app(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[first]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: not a valid SVG file\n", argv[first]);
        return 1;
    }
    const QString pattern = QString::fromLocal8Bit(argv[first + 1]);
    for (int i = first + 2; i < argc; ++i) {
        const QSize size = ParseSize(QString::fromLocal8Bit(argv[i]));
        if (size.isEmpty()) {
            std::fprintf(stderr, "%s: not an image size\n", argv[i]);
            return 2;
        }
        QImage image(size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
        image.fill(opaque ? Qt::white : Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        }
        const QString file =
            pattern.arg(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()));
        if (!QDir().mkpath(QFileInfo(file).path()) || !Save(image, file)) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
