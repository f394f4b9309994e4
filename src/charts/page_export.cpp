#include "charts/page_export.h"

#include "charts/affinite_page.h"
#include "charts/biorythme_page.h"
#include "charts/compatibilite_page.h"
#include "charts/groupe_page.h"
#include "charts/page_frame.h"
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

bool Paint(QPaintDevice &device, CDocument &study)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    {
        PainterDevice dc(painter, true);
        DrawStudyPage(dc, study);
    }
    return painter.end();
}

bool PaintPdf(QIODevice &file, CDocument &study)
{
    QPdfWriter writer(&file);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setCreator(QStringLiteral("Ondaris"));
    writer.setTitle(study.GetTitle());
    return Paint(writer, study);
}

// An A4 page in pixels at the image resolution.
QSize ImageSize()
{
    const QSizeF millimetres = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    return QSize(qRound(millimetres.width() / 25.4 * kImageResolution),
                 qRound(millimetres.height() / 25.4 * kImageResolution));
}

bool PaintPng(QIODevice &file, CDocument &study)
{
    QImage image(ImageSize(), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(kImageResolution / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    return Paint(image, study) && image.save(&file, "PNG");
}

bool PaintSvg(QIODevice &file, CDocument &study)
{
    const auto write = SvgPageModule();
    return write && write.function(file, ImageSize(), kImageResolution, study.GetTitle(),
                                   [&study](QPaintDevice &device) { return Paint(device, study); });
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
    switch (format) {
    case PageFormat::Pdf:
        return PaintPdf(device, study);
    case PageFormat::Png:
        return PaintPng(device, study);
    case PageFormat::Svg:
        return PaintSvg(device, study);
    }
    return false;
}
