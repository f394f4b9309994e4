#include "dialogs/export_dialog.h"

#include "charts/study_export.h"
#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/message_box.h"
#include "studies/study_days.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <functional>
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

struct Target
{
    QString path;
    ExportFormat format;
};

// The file dialog of the export: it knows the file that will really be written, the extension
// added, and asks before replacing that one.
class ExportFileDialog : public QFileDialog
{
public:
    using Allowed = std::function<bool(ExportFormat)>;

    ExportFileDialog(QWidget *parent, const CDocument &study, const QString &folder,
                     Allowed allowed)
        : QFileDialog(parent, QStringLiteral("Exporter")), m_allowed(std::move(allowed))
    {
        for (const ExportFormatInfo &info : ExportFormats()) {
            if (!m_allowed(info.format))
                continue;
            m_offered.append(info);
            m_filters.append(QStringLiteral("%1 (*.%2)").arg(info.filterName, info.suffix));
        }
        setAcceptMode(QFileDialog::AcceptSave);
        setNameFilters(m_filters);
        setDirectory(folder);
        selectFile(BaseName(study) + u'.' + m_offered.constFirst().suffix);
    }

    // The chosen name; one typed without a known extension takes the one of the chosen filter.
    Target Chosen() const
    {
        QString path = selectedFiles().value(0);
        const std::optional<ExportFormat> format = ExportFormatOf(path);
        if (format && m_allowed(*format))
            return {path, *format};
        const ExportFormatInfo &info =
            m_offered.at(std::max(qsizetype(0), m_filters.indexOf(selectedNameFilter())));
        return {path + u'.' + info.suffix, info.format};
    }

    void accept() override
    {
        const QString typed = selectedFiles().value(0);
        const QString target = Chosen().path;
        // The dialog asks itself about the name as typed, in its own words; the same words for
        // the name that the extension completes.
        if (!typed.isEmpty() && target != typed && QFileInfo::exists(target)) {
            const QString question =
                QCoreApplication::translate("QFileDialog",
                                            "%1 already exists.\nDo you want to replace it?")
                    .arg(QFileInfo(target).fileName());
            if (messages::Show(this, QMessageBox::Warning, question,
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) != QMessageBox::Yes)
                return;
        }
        QFileDialog::accept();
    }

private:
    Allowed m_allowed;
    QList<ExportFormatInfo> m_offered;
    QStringList m_filters;
};

// The file dialog on the formats allowed, then write; a failure told in a message box.
QString ExportThroughDialog(QWidget *parent, const CDocument &study, const QString &folder,
                            const ExportFileDialog::Allowed &allowed,
                            const std::function<ExportResult(const Target &)> &write)
{
    ExportFileDialog dialog(parent, study, folder, allowed);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const Target target = dialog.Chosen();
    const ExportResult result = write(target);
    if (!result.error.isEmpty()) {
        messages::Show(parent, QMessageBox::Warning, result.error);
        return {};
    }
    return target.path;
}

} // namespace

QString ExportWithDialog(QWidget *parent, CDocument &study, const QString &folder)
{
    return ExportThroughDialog(
        parent, study, folder,
        [&study](ExportFormat format) { return ExportAllowed(study, format); },
        [&study](const Target &target) {
            return ExportStudy(study, target.format, target.path, StudyDays::kPageSpan);
        });
}

QString ExportYearWithDialog(QWidget *parent, const CDocument &study, const QString &folder,
                             StudyYear::Curve curve)
{
    return ExportThroughDialog(
        parent, study, folder, [](ExportFormat format) { return format != ExportFormat::Ics; },
        [&study, curve](const Target &target) {
            return ExportYear(study, target.format, target.path, curve);
        });
}
