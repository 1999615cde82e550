// The two commands of the Print menu: the data report (Ctrl+D) and the
// picture of the window (Ctrl+F), with the print preparation they share.
#pragma once

#include "print/OrientationReminder.h"
#include "print/PrintPlatform.h"
#include "sheet/Sheet.h"

namespace tarnwick {

class PrintCommands {
public:
    /// The identification prompt goes through the sheet's platform; the
    /// reminder, the print dialog and the printer through `platform`.
    PrintCommands(Sheet& sheet, PrintPlatform& platform);

    /// Prints the sheet as a text report in portrait, in "Courier New", and
    /// puts the printer's font name, size and orientation back afterwards.
    void mnuPrintData_Click();
    /// Prints a picture of the window; no printer setting is touched.
    void mnuPrintForm_Click();

    const PrintFlags& flags() const { return flags_; }

private:
    /// Asks for the identification when there is none, shows the reminder
    /// unless the user turned it off, then the print dialog. False when the
    /// print dialog was cancelled.
    bool prepare(const char* idPrompt, bool printingData);

    Sheet& sheet_;
    PrintPlatform& platform_;
    PrintFlags flags_;
};

}  // namespace tarnwick
