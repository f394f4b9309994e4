#include "dialogs/splash.h"

#include "people/brand_images.h"
#include "persistence/app_settings.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

CSplash::CSplash(QWidget *parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    auto *logo = new QLabel(this);
    logo->setPixmap(LogoPixmap());
    logo->setAccessibleName(kLogoName);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(logo);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int CSplash::Run()
{
    setModal(true);
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    show();
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    return result();
}

void CSplash::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *shown = screen()) {
        QRect place = rect();
        place.moveCenter(shown->availableGeometry().center());
        move(place.topLeft());
    }
    QTimer::singleShot(kDelayMs, this, &QDialog::accept);
}

void CSplash::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        accept();
    else
        QDialog::keyPressEvent(event);
}

void CSplash::mousePressEvent(QMouseEvent *event)
{
    QDialog::mousePressEvent(event);
    accept();
}

void CSplash::RunIfDue(QWidget *parent)
{
    using namespace app_settings;
    const int mode = Read(kSplash);
    if (mode == 1 || mode == 2) {
        CSplash splash(parent);
        splash.Run();
    }
    if (mode != 2)
        Write(kSplash, 0);
}
