// Start-up timing. With TARNWICK_FIRST_FRAME set in the environment, a
// program that calls watchFirstFrame on its main window writes
//
//     first-frame NANOSECONDS
//
// on standard output once that window has finished its first paint, the time
// read from the system's monotonic clock, and then leaves its event loop. The
// first paint is over when control returns to the event loop after the
// window's first paint event: the children are painted in the same pass and
// the picture goes to the screen before the loop runs again. A parent process
// that reads the same clock before starting the program gets the time to the
// first frame. Header only, so that a bare window built for comparison uses
// the very same probe without linking the calculator.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "ui/qt/MonotonicClock.h"

namespace tarnwick {

namespace firstframe {

class Probe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [] {
                std::printf("first-frame %lld\n", monotonicNanoseconds());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

}  // namespace firstframe

/// Reports the first frame of `window` when the environment asks for it;
/// does nothing otherwise.
inline void watchFirstFrame(QWidget& window) {
    if (qEnvironmentVariableIsEmpty("TARNWICK_FIRST_FRAME")) return;
    window.installEventFilter(new firstframe::Probe(&window));
}

}  // namespace tarnwick
