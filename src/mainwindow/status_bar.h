#pragma once

#include "mainwindow/lock_state.h"

#include <QStatusBar>
#include <functional>

class QLabel;

// The message pane ("Prêt" when there is nothing to say, the prompt of the command under the
// mouse otherwise), then the "MAJ", "NUM" and "DÉFIL" indicators, each shown while its lock is
// on.
class StatusBar : public QStatusBar
{
    Q_OBJECT
public:
    using LockReader = std::function<LockState()>;

    explicit StatusBar(QWidget *parent = nullptr, LockReader reader = ReadLockState);

    // Reads the lock keys again; done after every key and when the program becomes active, since
    // the keys may have changed in another program meanwhile.
    void RefreshLocks();

    static QString IdleMessage() { return QStringLiteral("Prêt"); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    LockReader m_reader;
    QLabel *m_caps = nullptr;
    QLabel *m_num = nullptr;
    QLabel *m_scroll = nullptr;
    bool m_refreshPending = false;
};
