#include "message_hook.h"

MessageRecorder::MessageRecorder(QMessageBox::StandardButton answer) : m_answer(answer)
{
    messages::SetHook([this](const messages::Shown &shown) {
        m_shown.append(shown);
        return m_answer;
    });
}

MessageRecorder::~MessageRecorder()
{
    messages::SetHook({});
}

QStringList MessageRecorder::texts() const
{
    QStringList result;
    for (const auto &s : m_shown)
        result.append(s.text);
    return result;
}
