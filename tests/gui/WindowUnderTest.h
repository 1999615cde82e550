// The calculator window as the GUI tests open it: a headless platform, a
// started program on it and its window shown, with a watchdog for dialogs
// nobody expected.
#pragma once

#include <QString>
#include <memory>

#include "DialogWatchdog.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/QtPrinting.h"

namespace tarnwick {

class WindowUnderTest {
public:
    struct Way {
        /// Placed as the program places it at start, not where the
        /// window system puts it.
        bool onScreen = false;
        /// Waits until the window has the keyboard, not only until it is
        /// exposed.
        bool active = false;
        /// Prints on this Qt printing platform, which the caller keeps,
        /// instead of the headless one; it prints the window's picture.
        QtPrinting* printing = nullptr;
    };

    /// Closes what is open, then starts a fresh program on `platform`, which
    /// the window keeps, and shows its window. False if it never came up.
    [[nodiscard]] bool open(
        Way way, std::unique_ptr<HeadlessPlatform> platform = std::make_unique<HeadlessPlatform>());
    /// The same on a platform the caller keeps beyond the window.
    [[nodiscard]] bool openOn(HeadlessPlatform& platform, Way way);
    /// The window, the program, then the platform it keeps.
    void close();

    /// The modal dialogs nobody expected, for a failure message; empty when
    /// there were none.
    QString strays() const;

    DialogWatchdog& watchdog() { return watchdog_; }
    HeadlessPlatform& platform() { return *platform_; }
    Program& program() { return *program_; }
    Sheet& sheet() { return program_->sheet(); }
    MainWindow* window() const { return window_.get(); }

private:
    bool show(Way way);

    DialogWatchdog watchdog_;
    std::unique_ptr<HeadlessPlatform> owned_;
    HeadlessPlatform* platform_ = nullptr;
    std::unique_ptr<Program> program_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace tarnwick
