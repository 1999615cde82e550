// The yardstick for the calculator's start-up: an empty main window of the
// calculator's size with one line edit, built with the same flags and timed
// by the same first-frame probe.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>

#include "ui/qt/FirstFrame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLineEdit(&window));
    window.resize(887, 716);
    tarnwick::watchFirstFrame(window);
    window.show();
    return QApplication::exec();
}
