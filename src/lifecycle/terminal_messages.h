#pragma once

class QTextStream;

// While it lives, every message box of the program is written on the stream instead, one text
// a line, and answered with OK: nobody may be there to read a box (no window, or a logout).
class TerminalMessages
{
public:
    explicit TerminalMessages(QTextStream &err);
    ~TerminalMessages();
    TerminalMessages(const TerminalMessages &) = delete;
    TerminalMessages &operator=(const TerminalMessages &) = delete;
};
