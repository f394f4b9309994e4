#pragma once

#include <QList>
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

// A button that carries a text of the program's own ("Récupérer") in place of Qt's.
struct NamedButton
{
    QMessageBox::StandardButton button;
    QString text;
};

// Show with buttons of the program's own texts. Escape and the close box choose none of them:
// NoButton is returned.
QMessageBox::StandardButton Choose(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                   const QList<NamedButton> &buttons,
                                   QMessageBox::StandardButton defaultButton);

struct Shown
{
    QMessageBox::Icon icon;
    QString text;
    QMessageBox::StandardButtons buttons;
    QList<NamedButton> named; // the buttons with texts of their own, for Choose
};

// While one lives, no box is shown, as nobody may be there to read it (the display gone, a
// logout, the end a signal asked for): every message goes to standard error and nothing is
// chosen. A test's hook still answers.
class Windowless
{
public:
    Windowless();
    ~Windowless();
    Windowless(const Windowless &) = delete;
    Windowless &operator=(const Windowless &) = delete;
};

// A test answers the boxes instead of a user: while a hook is set no box is shown and the
// hook's answer is returned. An empty function removes the hook.
using Hook = std::function<QMessageBox::StandardButton(const Shown &)>;
void SetHook(Hook hook);

} // namespace messages
