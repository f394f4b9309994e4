#pragma once

// The state of the three lock keys, as the status bar's indicators show it.
struct LockState
{
    bool caps = false;
    bool num = false;
    bool scroll = false;

    bool operator==(const LockState &) const = default;
};

// Reads the lock keys from the X keyboard extension when the program runs on X11. Elsewhere
// (Wayland, offscreen, other systems) Qt offers no way to read them: all three read as off.
LockState ReadLockState();
