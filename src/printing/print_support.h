#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>

class QPaintDevice;
class QPrinter;
class QWidget;

// A printer as the program's own code sees it: somewhere to paint a named document.
class PrinterHandle
{
public:
    virtual ~PrinterHandle() = default;
    virtual QPaintDevice &Device() = 0;
    virtual QString Name() const = 0;
    // The document's name in the printer's queue; set before painting.
    virtual void SetDocName(const QString &name) = 0;
};

// The printer system, a module of its own: Qt's print support is loaded by the first print,
// preview or page set-up, not by every start.
class PrintSupport
{
public:
    // Paints the page on the printer; false when the printer cannot be painted on.
    using PaintPage = std::function<bool(QPaintDevice &)>;
    enum class Outcome { Printed, Cancelled, Failed };

    virtual ~PrintSupport() = default;

    // The print dialog (no page range to choose), then the page.
    virtual Outcome PrintWithDialog(QWidget *parent, const PaintPage &paint) = 0;
    // The preview of the one page: Page Down and Page Up turn pages, Escape closes.
    virtual void Preview(QWidget *parent, const PaintPage &paint) = 0;
    // The page set-up dialog on the session's printer.
    virtual void PageSetup(QWidget *parent, const QString &title) = 0;
    // The session's printer, made now if it is not yet: once it exists, prints and previews use
    // it with the settings given to it; before, each starts from a printer of its own.
    virtual QPrinter &SessionPrinter() = 0;
    // The printer of that name, or the default one when the name is empty; null when there is
    // no such printer.
    virtual std::unique_ptr<PrinterHandle> OpenPrinter(const QString &name) = 0;
};

// The module's one entry point, defined extern "C" by the module on this declaration (a definition
// that drifts from it does not compile) and found by the program under this name. The version
// in the name changes with the interface above: a module file of another version is refused.
extern "C" Q_DECL_EXPORT PrintSupport &ondaris_print_support_v1();
inline constexpr char kPrintSupportEntry[] = "ondaris_print_support_v1";
