#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

// Every modal message of the program goes through here, so that tests can answer it.
namespace messages {

inline const QString kCaption = QStringLiteral("Ondaris");

// Shows a modal box with the caption "Ondaris" and returns the button chosen.
QMessageBox::StandardButton Show(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                 QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                 QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

struct Shown
{
    QMessageBox::Icon icon;
    QString text;
    QMessageBox::StandardButtons buttons;
};

// A test answers the boxes instead of a user: while a hook is set no box is shown and the
// hook's answer is returned. An empty function removes the hook.
using Hook = std::function<QMessageBox::StandardButton(const Shown &)>;
void SetHook(Hook hook);

} // namespace messages
