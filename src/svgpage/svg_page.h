#pragma once

#include <functional>

class QIODevice;
class QPaintDevice;
class QSize;
class QString;

// The SVG page writer, a module of its own: the SVG library it needs is loaded only by an
// export to SVG. Writes on `file` a drawing of `size` pixels at `resolution` dots per inch,
// titled `title`, of what `paint` paints; false when painting failed.
using WriteSvgPageFunction = bool(QIODevice &file, const QSize &size, int resolution,
                                  const QString &title,
                                  const std::function<bool(QPaintDevice &)> &paint);
inline constexpr char kWriteSvgPage[] = "ondaris_write_svg_page";
