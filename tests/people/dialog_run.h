#pragma once

#include "common/modal.h"

#include <QDialog>
#include <QTest>
#include <functional>

// Runs the dialog modally while `act` works on it as a user would. A dialog that `act` leaves
// open is closed with the result -1, so that a failing test never hangs.
inline int RunDialog(QDialog &dialog, const std::function<void()> &act)
{
    OnNextModal([&dialog, act](QDialog *) {
        act();
        if (dialog.isVisible())
            dialog.done(-1);
    });
    return dialog.exec();
}
