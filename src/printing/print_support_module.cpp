#include "printing/print_support.h"

#include <QCoreApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QShortcut>

namespace {

class QtPrinter final : public PrinterHandle
{
public:
    explicit QtPrinter(const QPrinterInfo &info) : m_printer(info, QPrinter::HighResolution) {}
    QPaintDevice &Device() override { return m_printer; }
    QString Name() const override { return m_printer.printerName(); }
    void SetDocName(const QString &name) override { m_printer.setDocName(name); }

private:
    QPrinter m_printer;
};

class QtPrintSupport final : public PrintSupport
{
public:
    Outcome PrintWithDialog(QWidget *parent, const PaintPage &paint) override
    {
        std::unique_ptr<QPrinter> own;
        QPrinter &printer = PrinterFor(own);
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        if (dialog.exec() != QDialog::Accepted)
            return Outcome::Cancelled;
        return paint(printer) ? Outcome::Printed : Outcome::Failed;
    }

    void Preview(QWidget *parent, const PaintPage &paint) override
    {
        std::unique_ptr<QPrinter> own;
        QPrinter &printer = PrinterFor(own);
        QPrintPreviewDialog dialog(&printer, parent);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&paint](QPrinter *target) { paint(*target); });
        if (auto *preview = dialog.findChild<QPrintPreviewWidget *>()) {
            auto *next = new QShortcut(QKeySequence(Qt::Key_PageDown), &dialog);
            QObject::connect(next, &QShortcut::activated, preview,
                             [preview]() { preview->setCurrentPage(preview->currentPage() + 1); });
            auto *previous = new QShortcut(QKeySequence(Qt::Key_PageUp), &dialog);
            QObject::connect(previous, &QShortcut::activated, preview,
                             [preview]() { preview->setCurrentPage(preview->currentPage() - 1); });
        }
        dialog.exec();
    }

    void PageSetup(QWidget *parent, const QString &title) override
    {
        QPageSetupDialog dialog(&SessionPrinter(), parent);
        dialog.setWindowTitle(title);
        dialog.exec();
    }

    QPrinter &SessionPrinter() override
    {
        if (!m_session) {
            m_session = std::make_unique<QPrinter>(QPrinter::HighResolution);
            // Gone with the application, before Qt is: not at the module's own exit.
            qAddPostRoutine([] { Instance().m_session.reset(); });
        }
        return *m_session;
    }

    std::unique_ptr<PrinterHandle> OpenPrinter(const QString &name) override
    {
        const QPrinterInfo info =
            name.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
        if (info.isNull())
            return nullptr;
        return std::make_unique<QtPrinter>(info);
    }

    static QtPrintSupport &Instance()
    {
        static QtPrintSupport support;
        return support;
    }

private:
    // The session's printer, or one that lives as long as the holder.
    QPrinter &PrinterFor(std::unique_ptr<QPrinter> &holder)
    {
        if (m_session)
            return *m_session;
        holder = std::make_unique<QPrinter>(QPrinter::HighResolution);
        return *holder;
    }

    std::unique_ptr<QPrinter> m_session;
};

} // namespace

extern "C" PrintSupport &ondaris_print_support_v1()
{
    return QtPrintSupport::Instance();
}
