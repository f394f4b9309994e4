#pragma once

class QWidget;

// The main window's place, kept in "PosX", "PosY", "PosW" and "PosH" while "SauvPosi" is 1.
// The left and top edges are those of the window's frame; the width and height those of its
// inside, which is what placing the window takes back, so a window reopens exactly as it was.
namespace window_position {

// Places the window where it was stored when "SauvPosi" is 1 and that place can be seen on
// one of the screens; otherwise gives it the default place. Returns whether it was restored.
bool Restore(QWidget &window);
// Stores the window's place when "SauvPosi" is 1.
void Store(const QWidget &window);

} // namespace window_position
