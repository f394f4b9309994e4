#include "people/import_report_dialog.h"

#include "people/person_import.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

void ShowImportReport(QWidget *parent, const ImportReport &report)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Importer des personnes"));
    auto *layout = new QVBoxLayout(&dialog);
    auto *text = new QPlainTextEdit(ReportText(report), &dialog);
    text->setObjectName(QStringLiteral("report"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics metrics(text->font());
    const int lines = std::min<int>(static_cast<int>(report.refused.size()) + 6, 20);
    text->setMinimumSize(metrics.averageCharWidth() * 64, metrics.lineSpacing() * lines);
    layout->addWidget(text);
    auto *buttons = new QDialogButtonBox(&dialog);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    ok->setFocus();
    dialog.exec();
}
