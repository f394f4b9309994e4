#pragma once

#include <QString>
#include <functional>

class CDocument;
class QUndoStack;

// The undo stack of each study. An edit is kept as what the study's file holds before and after
// it, so that every type of study is undone and redone alike, whatever its members.
namespace study_history {

// The study's stack, made the first time it is asked for. An undo or a redo that comes back to
// what the study's file holds clears the modified flag; any other sets it. A study never saved
// is modified whatever is undone.
QUndoStack &StackOf(CDocument &study);

// Runs the edit; when it changed what the study's file holds, it can be undone and redone under
// that name ("Date de départ").
void Record(CDocument &study, const QString &name, const std::function<void()> &edit);

// A change the file does not hold (a view's average): undo and redo run `toggle` again, which
// must undo itself when run twice. The change itself has been made.
void RecordToggle(CDocument &study, const QString &name, const std::function<void()> &toggle);

// The name of an edit after its menu item: "Date de départ" for "&Date de départ...".
QString EditName(const QString &itemText);

} // namespace study_history
