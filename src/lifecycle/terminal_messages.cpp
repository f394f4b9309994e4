#include "lifecycle/terminal_messages.h"

#include "framework/message_box.h"

#include <QTextStream>

TerminalMessages::TerminalMessages(QTextStream &err)
{
    messages::SetHook([&err](const messages::Shown &shown) {
        err << shown.text << '\n';
        err.flush();
        return QMessageBox::Ok;
    });
}

TerminalMessages::~TerminalMessages()
{
    messages::SetHook({});
}
