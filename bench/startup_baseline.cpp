// The start-up bench's baseline: an empty main window around an empty multi-document area,
// with Qt Widgets alone, placed as Ondaris places its first window (four fifths of the screen,
// centred: the window's backing store grows with its size), shown and left once it is on
// screen and its pending events are done.
// With --text, the same window with one word in a status bar: what showing any text at all
// costs (the font configuration, FreeType, HarfBuzz, a font), which the empty window never pays.
#include "mapped_files.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QScreen>
#include <QStatusBar>
#include <QWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Ondaris 3"));
    window.setCentralWidget(new QMdiArea(&window));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        QRect place(0, 0, available.width() * 4 / 5, available.height() * 4 / 5);
        place.moveCenter(available.center());
        window.setGeometry(place);
    }
    if (argc > 1 && qstrcmp(argv[1], "--text") == 0)
        window.statusBar()->addPermanentWidget(new QLabel(QStringLiteral("Prêt")));
    window.show();
    while (!window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    PrintMappedFilesIfAsked();
    return 0;
}
