#include "framework/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <cstdio>
#include <utility>

namespace messages {

namespace {
Hook &hook()
{
    static Hook h;
    return h;
}

int g_windowless = 0;

QMessageBox::StandardButton Ask(QWidget *parent, const Shown &shown,
                                QMessageBox::StandardButton defaultButton)
{
    if (hook())
        return hook()(shown);
    // A windowless run has no widget to show a box with: the message goes where its own go,
    // and nothing is chosen.
    if (g_windowless > 0 || !qobject_cast<QApplication *>(QCoreApplication::instance())) {
        std::fputs((shown.text + u'\n').toLocal8Bit().constData(), stderr);
        return QMessageBox::NoButton;
    }
    QMessageBox box(shown.icon, kCaption, shown.text, shown.buttons, parent);
    for (const NamedButton &named : shown.named)
        box.button(named.button)->setText(named.text);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    // Qt would take Escape and the close box for the "No" of a question of the program's own,
    // which may drop what the user meant to keep: they choose none of its buttons.
    QAbstractButton *none = nullptr;
    if (!shown.named.isEmpty()) {
        none = box.addButton(QMessageBox::Cancel);
        none->hide();
        box.setEscapeButton(none);
    }
    box.exec();
    if (box.clickedButton() == nullptr || box.clickedButton() == none)
        return QMessageBox::NoButton;
    return box.standardButton(box.clickedButton());
}

} // namespace

Windowless::Windowless()
{
    ++g_windowless;
}

Windowless::~Windowless()
{
    --g_windowless;
}

QMessageBox::StandardButton Show(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                 QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton)
{
    return Ask(parent, Shown{icon, text, buttons, {}}, defaultButton);
}

QMessageBox::StandardButton Choose(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                   const QList<NamedButton> &buttons,
                                   QMessageBox::StandardButton defaultButton)
{
    Shown shown{icon, text, {}, buttons};
    for (const NamedButton &named : buttons)
        shown.buttons |= named.button;
    return Ask(parent, shown, defaultButton);
}

void SetHook(Hook h)
{
    hook() = std::move(h);
}

} // namespace messages
