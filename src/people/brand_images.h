#pragma once

#include <QPixmap>
#include <QString>

class QLabel;
class QWidget;

// What a screen reader says of the pictures.
inline const QString kBannerName = QStringLiteral("Bannière d'Ondaris");
inline const QString kLogoName = QStringLiteral("Logo d'Ondaris");

// The banner at the top of every dialog, 273 by 45 pixels.
QPixmap BannerPixmap();
// The large logo of the about box and the splash screen, 276 by 280 pixels.
QPixmap LogoPixmap();
// The banner as a picture of its exact size, for the top of a dialog.
QLabel *CreateBanner(QWidget *parent);
