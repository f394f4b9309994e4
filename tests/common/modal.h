#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

// Runs `act` on the next modal dialog as soon as it is shown, as a user would act on it.
// Call before the code that opens the dialog.
inline void OnNextModal(std::function<void(QDialog *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act]() {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start();
}
