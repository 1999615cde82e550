#include "ui/qt/GuardedApplication.h"

#include <QtGlobal>
#include <new>

namespace tarnwick {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

GuardedApplication* GuardedApplication::guarded() {
    return qobject_cast<GuardedApplication*>(QCoreApplication::instance());
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        report(std::current_exception());
    }
    return false;
}

// The message box runs an event loop of its own; an error escaping while it
// is open is only logged, so that one fault does not stack up boxes.
void GuardedApplication::report(std::exception_ptr error) {
    const std::string what = describeError(error);
    qCritical("tarnwick: an action failed: %s", what.c_str());
    if (!platform_) std::terminate();
    if (reporting_) return;
    reporting_ = true;
    try {
        platform_->showMessage(unexpectedErrorMessage(what));
    } catch (...) {
        qCritical("tarnwick: the error message could not be shown");
    }
    reporting_ = false;
}

Message unexpectedErrorMessage(const std::string& what) {
    return {"The last action could not be completed: " + what +
                ".\r\n\r\nThe calculator goes on running. Check the entries and the results "
                "before you rely on them.",
            "Tarnwick", Icon::Critical, Buttons::Ok, Answer::Ok};
}

std::string describeError(std::exception_ptr error) {
    try {
        if (error) std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return "there was not enough memory";
    } catch (const std::exception& e) {
        const std::string what = e.what();
        return what.empty() ? std::string("an unexpected error") : what;
    } catch (...) {
    }
    return "an unexpected error";
}

}  // namespace tarnwick
