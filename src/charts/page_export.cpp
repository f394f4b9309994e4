#include "charts/page_export.h"

#include "charts/affinite_page.h"
#include "charts/biorythme_page.h"
#include "charts/compatibilite_page.h"
#include "charts/page_frame.h"
#include "framework/painter_device.h"
#include "people/names_list.h"
#include "studies/affinite_doc.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextStream>
#include <functional>
#include <memory>

namespace {

constexpr int kPdfResolution = 600;
constexpr int kImageResolution = 300;

std::unique_ptr<CDocument> NewStudyFor(const QString &studyPath, NamesList &names)
{
    const QString suffix = QFileInfo(studyPath).suffix().toLower();
    if (suffix == QLatin1String("bio"))
        return std::make_unique<COndarisDoc>(names);
    if (suffix == QLatin1String("bi2"))
        return std::make_unique<COndarisDoc2>(names);
    if (suffix == QLatin1String("aff"))
        return std::make_unique<COndarisDoc3>(names);
    return nullptr;
}

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
}

bool PaintPdf(QSaveFile &file, CDocument &study)
{
    QPdfWriter writer(&file);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setCreator(QStringLiteral("Ondaris"));
    writer.setTitle(study.GetTitle());
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    {
        PainterDevice dc(painter, true);
        DrawStudyPage(dc, study);
    }
    return painter.end();
}

bool PaintPng(QSaveFile &file, CDocument &study)
{
    const QSizeF millimetres = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    QImage image(qRound(millimetres.width() / 25.4 * kImageResolution),
                 qRound(millimetres.height() / 25.4 * kImageResolution), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(kImageResolution / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterDevice dc(painter, true);
        DrawStudyPage(dc, study);
    }
    return image.save(&file, "PNG");
}

} // namespace

int RunExport(const QString &outPath, const QString &studyPath, QTextStream &err)
{
    const QString outSuffix = QFileInfo(outPath).suffix().toLower();
    std::function<bool(QSaveFile &, CDocument &)> paint;
    if (outSuffix == QLatin1String("pdf"))
        paint = PaintPdf;
    else if (outSuffix == QLatin1String("png"))
        paint = PaintPng;
    else {
        err << QStringLiteral("Format d'export inconnu pour « %1 » : choisissez un fichier .pdf "
                              "ou .png.")
                   .arg(outPath)
            << Qt::endl;
        return 1;
    }

    // A names list of its own: loading a study registers its persons, and the export must not.
    NamesList names;
    std::unique_ptr<CDocument> study = NewStudyFor(studyPath, names);
    if (!study) {
        err << QStringLiteral("« %1 » n'est pas une étude Ondaris (.bio, .bi2 ou .aff).")
                   .arg(studyPath)
            << Qt::endl;
        return 1;
    }
    const QString readError = study->ReadFile(studyPath);
    if (!readError.isEmpty()) {
        err << QStringLiteral("Impossible de lire l'étude « %1 » : %2").arg(studyPath, readError)
            << Qt::endl;
        return 1;
    }

    QSaveFile file(outPath);
    if (!file.open(QIODevice::WriteOnly) || !paint(file, *study) || !file.commit()) {
        err << QStringLiteral("Impossible d'écrire « %1 » : %2").arg(outPath, file.errorString())
            << Qt::endl;
        return 1;
    }
    return 0;
}
