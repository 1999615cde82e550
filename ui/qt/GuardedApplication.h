// The application object of the calculator: a QApplication that stops any
// exception an event handler or a slot lets out before it reaches Qt's event
// loop, which cannot pass exceptions on and would end the program. What
// happened is shown in a message through the program's platform, and the
// event loop goes on, so the window stays usable: the action that failed is
// abandoned, the sheet keeps what it holds.
#pragma once

#include <QApplication>
#include <exception>
#include <string>

#include "sheet/Platform.h"

namespace tarnwick {

class GuardedApplication : public QApplication {
    Q_OBJECT

public:
    GuardedApplication(int& argc, char** argv);

    /// The application object, if it is a guarded one.
    static GuardedApplication* guarded();

    /// Where the message goes; without a platform an escaped exception ends
    /// the program, as it would without the guard.
    void setPlatform(Platform* platform) { platform_ = platform; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void report(std::exception_ptr error);

    Platform* platform_ = nullptr;
    bool reporting_ = false;
};

/// The message that tells the user an action failed, for the error `what`.
Message unexpectedErrorMessage(const std::string& what);

/// A short description of an exception for that message.
std::string describeError(std::exception_ptr error);

}  // namespace tarnwick
