#include "app/window_position.h"

#include "app/app_settings.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace window_position {

namespace {

bool Saving()
{
    return app_settings::ReadInt(app_settings::kSauvPosi, app_settings::kSauvPosiDefault) == 1;
}

bool Visible(const QRect &place)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&](const QScreen *screen) {
        return screen->availableGeometry().intersects(place);
    });
}

void PlaceByDefault(QWidget &window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect place(0, 0, available.width() * 4 / 5, available.height() * 4 / 5);
    place.moveCenter(available.center());
    window.resize(place.size());
    window.move(place.topLeft());
}

} // namespace

bool Restore(QWidget &window)
{
    using app_settings::ReadInt;
    if (Saving()) {
        const QRect place(ReadInt(QStringLiteral("PosX"), 0), ReadInt(QStringLiteral("PosY"), 0),
                          ReadInt(QStringLiteral("PosW"), 400),
                          ReadInt(QStringLiteral("PosH"), 200));
        if (place.width() > 0 && place.height() > 0 && Visible(place)) {
            window.resize(place.size());
            window.move(place.topLeft());
            return true;
        }
    }
    PlaceByDefault(window);
    return false;
}

void Store(const QWidget &window)
{
    using app_settings::WriteInt;
    if (!Saving())
        return;
    WriteInt(QStringLiteral("PosX"), window.x());
    WriteInt(QStringLiteral("PosY"), window.y());
    WriteInt(QStringLiteral("PosW"), window.width());
    WriteInt(QStringLiteral("PosH"), window.height());
}

} // namespace window_position
