// Runs the GUI tests against one application object.
#include <QApplication>

#include "GuiTests.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // A window closed by a test must not end the application under the
    // tests that follow.
    QApplication::setQuitOnLastWindowClosed(false);
    int failed = tarnwick::runWindowTests(argc, argv);
    failed += tarnwick::runPlatformTests(argc, argv);
    failed += tarnwick::runPrintingTests(argc, argv);
    return failed == 0 ? 0 : 1;
}
