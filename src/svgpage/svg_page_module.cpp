#include "svgpage/svg_page.h"

#include <QRect>
#include <QSvgGenerator>

extern "C" bool ondaris_write_svg_page_v1(QIODevice &file, const QSize &size, int resolution,
                                          const QString &title,
                                          const std::function<bool(QPaintDevice &)> &paint)
{
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(resolution);
    generator.setTitle(title);
    return paint(generator);
}
