#pragma once

class QWidget;

// The main window's place, kept in "PosX", "PosY", "PosW" and "PosH" while "SauvPosi" is 1:
// its outer rectangle, frame and title bar included, as the window system draws it.
namespace window_position {

// Places the window where it was stored when "SauvPosi" is 1 and that place can be seen on
// one of the screens; otherwise gives it the default place. Returns whether it was restored.
// The frame's size is known only once the window is shown: the inside is fitted then, so that
// the outer rectangle is the one stored.
bool Restore(QWidget &window);
// Stores the window's place when "SauvPosi" is 1.
void Store(const QWidget &window);

} // namespace window_position
