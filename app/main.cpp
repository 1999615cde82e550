// Starts the calculator: the sheet with its form and engine on the Qt
// platform and printer, the start-up reaction, its window, then the event
// loop until the window closes. An exception that an action lets out is
// shown in a message and the window goes on.
#include "ui/Program.h"
#include "ui/qt/ApplicationSetup.h"
#include "ui/qt/FirstFrame.h"
#include "ui/qt/GuardedApplication.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/QtPrinting.h"

int main(int argc, char* argv[]) {
    tarnwick::GuardedApplication app(argc, argv);
    tarnwick::setUpApplication();

    tarnwick::QtPlatform platform;
    tarnwick::QtPrinting printing;
    tarnwick::Program program(platform, printing);
    // The program starts before its window is made, which then shows the
    // started sheet from its first frame on.
    program.start();
    tarnwick::MainWindow window(program.sheet());
    platform.setWindow(&window);
    printing.setWindow(&window);
    app.setPlatform(&platform);

    window.placeOnScreen();
    tarnwick::watchFirstFrame(window);
    window.show();
    const int status = QApplication::exec();
    app.setPlatform(nullptr);
    return status;
}
