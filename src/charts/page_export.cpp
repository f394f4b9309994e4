#include "charts/page_export.h"

#include "charts/affinite_page.h"
#include "charts/biorythme_page.h"
#include "charts/compatibilite_page.h"
#include "charts/groupe_page.h"
#include "charts/page_frame.h"
#include "charts/year_page.h"
#include "framework/modules.h"
#include "framework/painter_device.h"
#include "studies/affinite_doc.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"
#include "studies/groupe_doc.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <functional>

namespace {

constexpr int kPdfResolution = 600;
constexpr int kImageResolution = 300;

// Draws the study's page as the printer would: the 10-point font and the printer's bar
// correction, the average curve off as in a new window.
void DrawStudyPage(DrawDevice &dc, CDocument &study)
{
    const int fontHeight = PageFontHeight(dc);
    if (auto *biorythme = qobject_cast<COndarisDoc *>(&study))
        DrawBiorythmePage(dc, *biorythme, fontHeight, false);
    else if (auto *compatibilite = qobject_cast<COndarisDoc2 *>(&study))
        DrawCompatibilitePage(dc, *compatibilite, fontHeight, false);
    else if (auto *affinite = qobject_cast<COndarisDoc3 *>(&study))
        DrawAffinitePage(dc, *affinite, fontHeight, kPrintBarCorrection);
    else if (auto *groupe = qobject_cast<CGroupeDoc *>(&study))
        DrawGroupePage(dc, *groupe, fontHeight);
}

using PageDrawing = std::function<void(DrawDevice &dc)>;

bool Paint(QPaintDevice &device, const PageDrawing &draw)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    {
        PainterDevice dc(painter, true);
        draw(dc);
    }
    return painter.end();
}

bool PaintPdf(QIODevice &file, QPageLayout::Orientation orientation, const QString &title,
              const PageDrawing &draw)
{
    QPdfWriter writer(&file);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(0, 0, 0, 0)));
    writer.setCreator(QStringLiteral("Ondaris"));
    writer.setTitle(title);
    return Paint(writer, draw);
}

// An A4 page in pixels at the image resolution.
QSize ImageSize(QPageLayout::Orientation orientation)
{
    const QSizeF millimetres = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const QSize portrait(qRound(millimetres.width() / 25.4 * kImageResolution),
                         qRound(millimetres.height() / 25.4 * kImageResolution));
    return orientation == QPageLayout::Portrait ? portrait : portrait.transposed();
}

bool PaintPng(QIODevice &file, QPageLayout::Orientation orientation, const PageDrawing &draw)
{
    QImage image(ImageSize(orientation), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(kImageResolution / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    return Paint(image, draw) && image.save(&file, "PNG");
}

bool PaintSvg(QIODevice &file, QPageLayout::Orientation orientation, const QString &title,
              const PageDrawing &draw)
{
    const auto write = SvgPageModule();
    return write && write.function(file, ImageSize(orientation), kImageResolution, title,
                                   [&draw](QPaintDevice &device) { return Paint(device, draw); });
}

bool WriteDrawnPage(QIODevice &device, PageFormat format, QPageLayout::Orientation orientation,
                    const QString &title, const PageDrawing &draw)
{
    switch (format) {
    case PageFormat::Pdf:
        return PaintPdf(device, orientation, title, draw);
    case PageFormat::Png:
        return PaintPng(device, orientation, draw);
    case PageFormat::Svg:
        return PaintSvg(device, orientation, title, draw);
    }
    return false;
}

} // namespace

QString PageFormatUnavailable(PageFormat format)
{
    if (format != PageFormat::Svg)
        return {};
    const auto write = SvgPageModule();
    return write ? QString() : write.problem + QStringLiteral(" : l'export SVG est impossible.");
}

bool WritePage(QIODevice &device, CDocument &study, PageFormat format)
{
    return WriteDrawnPage(device, format, QPageLayout::Portrait, study.GetTitle(),
                          [&study](DrawDevice &dc) { DrawStudyPage(dc, study); });
}

bool WriteYearPage(QIODevice &device, const CDocument &study, PageFormat format,
                   StudyYear::Curve curve)
{
    return WriteDrawnPage(device, format, QPageLayout::Landscape, study.GetTitle(),
                          [&study, curve](DrawDevice &dc) {
                              DrawStudyYearPage(dc, study, PageFontHeight(dc), curve);
                          });
}
