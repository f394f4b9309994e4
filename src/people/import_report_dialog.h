#pragma once

class QWidget;
struct ImportReport;

// Shows what an import did, every refused person named, in a box that scrolls when the list is
// long.
void ShowImportReport(QWidget *parent, const ImportReport &report);
