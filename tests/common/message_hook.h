#pragma once

#include "framework/message_box.h"

#include <QList>

// Records every message box shown while it lives and answers each with a fixed button.
class MessageRecorder
{
public:
    explicit MessageRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    void setAnswer(QMessageBox::StandardButton answer) { m_answer = answer; }
    const QList<messages::Shown> &shown() const { return m_shown; }
    QStringList texts() const;

private:
    QMessageBox::StandardButton m_answer;
    QList<messages::Shown> m_shown;
};
