// Starts the calculator: the sheet with its form and engine on the Qt
// platform and printer, its window, the start-up reaction, then the event loop until the
// window closes.
#include <QApplication>

#include "ui/Program.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/QtPrinting.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwick"));

    tarnwick::QtPlatform platform;
    tarnwick::QtPrinting printing;
    tarnwick::Program program(platform, printing);
    tarnwick::MainWindow window(program.sheet());
    platform.setWindow(&window);
    printing.setWindow(&window);

    program.start();
    window.placeOnScreen();
    window.show();
    return QApplication::exec();
}
