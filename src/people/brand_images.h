#pragma once

#include <QPixmap>

class QLabel;
class QWidget;

// The banner at the top of every dialog, 273 by 45 pixels.
QPixmap BannerPixmap();
// The large logo of the about box and the splash screen, 276 by 280 pixels.
QPixmap LogoPixmap();
// The banner as a picture of its exact size, for the top of a dialog.
QLabel *CreateBanner(QWidget *parent);
