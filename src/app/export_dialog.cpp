#include "app/export_dialog.h"

#include "charts/study_export.h"
#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/message_box.h"
#include "studies/study_days.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <optional>

namespace {

// The study's title without the extension of its type: "exemple" for "exemple.bio".
QString BaseName(const CDocument &study)
{
    QString title = study.GetTitle();
    const CDocTemplate *docTemplate = study.GetDocTemplate();
    const QString extension =
        docTemplate ? docTemplate->GetDocString(CDocTemplate::filterExt) : QString();
    if (!extension.isEmpty() && title.endsWith(extension, Qt::CaseInsensitive))
        title.chop(extension.size());
    return title;
}

} // namespace

QString ExportWithDialog(QWidget *parent, CDocument &study, const QString &folder)
{
    QStringList filters;
    QList<ExportFormatInfo> offered;
    for (const ExportFormatInfo &info : ExportFormats()) {
        if (!ExportAllowed(study, info.format))
            continue;
        offered.append(info);
        filters.append(QStringLiteral("%1 (*.%2)").arg(info.filterName, info.suffix));
    }
    QString chosenFilter = filters.constFirst();
    QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Exporter"),
        QDir(folder).filePath(BaseName(study) + u'.' + offered.constFirst().suffix),
        filters.join(QStringLiteral(";;")), &chosenFilter);
    if (path.isEmpty())
        return {};
    // A name typed without a known extension takes the one of the chosen filter.
    std::optional<ExportFormat> format = ExportFormatOf(path);
    if (!format || !ExportAllowed(study, *format)) {
        const ExportFormatInfo &info =
            offered.at(std::max(qsizetype(0), filters.indexOf(chosenFilter)));
        path += u'.' + info.suffix;
        format = info.format;
    }
    const QString error = ExportStudy(study, *format, path, StudyDays::kPageSpan);
    if (!error.isEmpty()) {
        messages::Show(parent, QMessageBox::Warning, error);
        return {};
    }
    return path;
}
