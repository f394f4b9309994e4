#pragma once

#include <functional>

// Qt ends the program at once, after saying so, when the connection to the display breaks (the
// X server or the compositor gone): the message is the last moment the program's objects are
// all there. While an instance exists, that message first runs `lastWords`, once.
class LostDisplay
{
public:
    explicit LostDisplay(std::function<void()> lastWords);
    ~LostDisplay();
    LostDisplay(const LostDisplay &) = delete;
    LostDisplay &operator=(const LostDisplay &) = delete;
};
