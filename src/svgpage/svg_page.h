#pragma once

#include <QtGlobal>
#include <functional>

class QIODevice;
class QPaintDevice;
class QSize;
class QString;

// The SVG page writer, a module of its own: the SVG library it needs is loaded only by an
// export to SVG. Writes on `file` a drawing of `size` pixels at `resolution` dots per inch,
// titled `title`, of what `paint` paints; false when painting failed.
// The module's one entry point, defined extern "C" by the module on this declaration (a definition
// that drifts from it does not compile) and found by the program under this name. The version
// in the name changes with the interface: a module file of another version is refused.
extern "C" Q_DECL_EXPORT bool
ondaris_write_svg_page_v1(QIODevice &file, const QSize &size, int resolution, const QString &title,
                          const std::function<bool(QPaintDevice &)> &paint);
inline constexpr char kWriteSvgPageEntry[] = "ondaris_write_svg_page_v1";
