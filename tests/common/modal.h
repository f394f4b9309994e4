#pragma once

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <functional>

// Runs `act` on the next modal dialog as soon as it is shown, as a user would act on it.
// Call before the code that opens the dialog.
// Dialogs already shown when it is called are passed over: a dialog opened from another one
// that is still closing is not taken for it.
inline void OnNextModal(std::function<void(QDialog *)> act)
{
    QList<QPointer<QDialog>> shown;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<QDialog *>(widget); dialog && dialog->isVisible())
            shown << dialog;
    }
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act, shown]() {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || shown.contains(dialog))
            return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start();
}
