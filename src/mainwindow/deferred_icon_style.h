#pragma once

#include <QProxyStyle>

// The platform's style, except that the images the bars and study windows ask for as they are
// built (the extension arrows, the system menu's) are read when first drawn. Reading a style's
// image file loads every image format plugin of the machine: a sixth of the start-up.
class DeferredIconStyle final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

// Puts the style above in place of the application's own, once.
void InstallDeferredIconStyle();
