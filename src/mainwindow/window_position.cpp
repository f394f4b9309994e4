#include "mainwindow/window_position.h"

#include "persistence/app_settings.h"

#include <QEvent>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace window_position {

namespace {

bool Saving()
{
    return app_settings::IsOn(app_settings::kSauvPosi);
}

bool Visible(const QRect &place)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&](const QScreen *screen) {
        return screen->availableGeometry().intersects(place);
    });
}

// Gives the window the outer rectangle wanted once the window system tells the size of its
// frame, which it may do a little after the window is first shown; then goes, so that the
// user's own moves are never undone.
class FrameFitter : public QObject
{
public:
    FrameFitter(QWidget &window, const QRect &outer)
        : QObject(&window), m_window(window), m_outer(outer)
    {
        window.installEventFilter(this);
        Fit();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            QTimer::singleShot(kFrameWaitMs, this, &FrameFitter::Stop);
            Fit();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            Fit();
            break;
        default:
            break;
        }
        return false;
    }

private:
    static constexpr int kFrameWaitMs = 1000;

    void Fit()
    {
        if (m_window.windowState() != Qt::WindowNoState)
            return;
        const QSize frame = m_window.frameGeometry().size() - m_window.size();
        if (frame.width() > 0 || frame.height() > 0)
            Stop();
        m_window.resize(m_outer.size() - frame);
        m_window.move(m_outer.topLeft());
    }

    void Stop()
    {
        m_window.removeEventFilter(this);
        deleteLater();
    }

    QWidget &m_window;
    QRect m_outer;
};

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
    using namespace app_settings;
    if (Saving()) {
        const QRect place(Read(kPosX), Read(kPosY), Read(kPosW), Read(kPosH));
        if (place.width() > 0 && place.height() > 0 && Visible(place)) {
            new FrameFitter(window, place);
            return true;
        }
    }
    PlaceByDefault(window);
    return false;
}

void Store(const QWidget &window)
{
    using namespace app_settings;
    if (!Saving())
        return;
    const QRect outer = window.frameGeometry();
    Write(kPosX, outer.x());
    Write(kPosY, outer.y());
    Write(kPosW, outer.width());
    Write(kPosH, outer.height());
}

} // namespace window_position
