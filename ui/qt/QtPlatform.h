// The desktop under Qt: modal message boxes, the one-line text prompt and
// the width of the primary screen.
#pragma once

#include <QPointer>
#include <QWidget>

#include "sheet/Platform.h"

namespace tarnwick {

class QtPlatform : public Platform {
public:
    /// Dialogs open over `window` (may be null: they then open on their own).
    void setWindow(QWidget* window) { window_ = window; }

    Answer showMessage(const Message& message) override;
    std::string promptText(const std::string& prompt, const std::string& title) override;
    int screenWidth() override;

private:
    QPointer<QWidget> window_;
};

}  // namespace tarnwick
