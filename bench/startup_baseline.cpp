// The start-up bench's baseline: an empty main window with Qt Widgets alone, shown and left
// once it is on screen and its pending events are done.
#include <QApplication>
#include <QMainWindow>
#include <QWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Ondaris 3"));
    window.show();
    while (!window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    return 0;
}
