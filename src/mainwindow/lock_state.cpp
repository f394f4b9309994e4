#include "mainwindow/lock_state.h"

#include <QGuiApplication>

// Only a build with X11 whose Qt can run on X11 reads the keys; any other leaves them all off.
#if defined(ONDARIS_X11) && QT_CONFIG(xcb)

#include <QtGui/qguiapplication_platform.h>
#include <X11/XKBlib.h>

namespace {

bool IndicatorOn(Display *display, const char *name)
{
    const Atom atom = XInternAtom(display, name, True);
    Bool on = False;
    if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return false;
    return on;
}

} // namespace

LockState ReadLockState()
{
    LockState state;
    const auto *x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return state;
    state.caps = IndicatorOn(display, "Caps Lock");
    state.num = IndicatorOn(display, "Num Lock");
    state.scroll = IndicatorOn(display, "Scroll Lock");
    return state;
}

#else

LockState ReadLockState()
{
    return {};
}

#endif
