#pragma once

#include "handover/hand_over_channel.h"
#include "printing/print_support.h"
#include "svgpage/svg_page.h"

#include <QString>

// The program's own modules: code whose libraries would cost every start, loaded the first time
// it is needed from the program's module folder, and never unloaded (objects a module made may
// outlive any one user). Each module's entry point is declared in its interface header; the
// accessors below are the only way to it, typed by that declaration.
template <class Function> struct ModuleEntry
{
    Function *function = nullptr;
    // Why the function is not there, in French, naming the module's file; empty when it is.
    QString problem;
    explicit operator bool() const { return function != nullptr; }
};

// The printer system (print, preview, page set-up).
ModuleEntry<decltype(ondaris_print_support_v1)> PrintModule();
// The SVG page writer.
ModuleEntry<decltype(ondaris_write_svg_page_v1)> SvgPageModule();
// The hand-over between starts.
ModuleEntry<decltype(ondaris_open_hand_over_channel_v2)> HandOverModule();

namespace modules_testing {
// Any function of any module, as the accessors look it up: for the loader's own tests.
ModuleEntry<void()> Find(const char *module, const char *function, const QString &title);
} // namespace modules_testing
