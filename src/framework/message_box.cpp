#include "framework/message_box.h"

#include <utility>

namespace messages {

namespace {
Hook &hook()
{
    static Hook h;
    return h;
}
} // namespace

QMessageBox::StandardButton Show(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                 QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton)
{
    if (hook())
        return hook()(Shown{icon, text, buttons});
    QMessageBox box(icon, kCaption, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void SetHook(Hook h)
{
    hook() = std::move(h);
}

} // namespace messages
