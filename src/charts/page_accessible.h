#pragma once

class ChartView;
struct PageReading;

// A study window's page for screen readers: its texts in reading order and a table of its data
// (PageReading), in place of the picture that the page is. Installed once; later calls do
// nothing.
void InstallPageAccessibility();

// Tells the accessibility bus what changed since the reading before: the texts and cells whose
// words changed, the table when its columns changed.
void NotifyPageChanged(ChartView *view, const PageReading &before);

// Moves the accessible focus to the row's cell under the cursor (the first cell when the cursor
// is on the whole row), so that a screen reader speaks it.
void NotifyRowFocus(ChartView *view, int row);
