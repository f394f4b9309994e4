#pragma once

#include <QPixmap>

// The banner at the top of every dialog, 273 by 45 pixels.
QPixmap BannerPixmap();
// The large logo of the about box and the splash screen, 276 by 280 pixels.
QPixmap LogoPixmap();
