// The calculator's desktop in a browser page: message boxes, the text prompt
// and the orientation reminder are dialogs of the page, and the C++ reaction
// that asked waits for the user's answer (Asyncify) and then goes on where it
// stopped. Printing goes through the browser's own print dialog.
#pragma once

#include <string>

#include "print/PrintPlatform.h"
#include "sheet/Platform.h"
#include "ui/web/WebPrinter.h"

namespace tarnwick {

class WebPlatform : public Platform, public PrintPlatform {
public:
    Answer showMessage(const Message& message) override;
    std::string promptText(const std::string& prompt, const std::string& title) override;
    int screenWidth() override;

    Printer& printer() override { return printer_; }
    void showReminder(const ReminderView& view,
                      const std::function<void()>& checkBoxClicked) override;
    /// The browser's print dialog opens once the printout is ready, when the
    /// document ends: here the command goes straight on.
    bool showPrintDialog() override { return true; }
    std::string shortDate() override;

private:
    WebPrinter printer_;
};

}  // namespace tarnwick
