// The orientation reminder shown before printing, and the flags that hold,
// until the program ends, which command printed last and which reminders the
// user has turned off.
#pragma once

#include "print/PrintPlatform.h"

namespace tarnwick {

/// False when the program starts; never stored between runs.
struct PrintFlags {
    /// The reminder is for the data report (portrait); else for the form
    /// printout (landscape).
    bool PrintingData = false;
    bool HideDataReminder = false;
    bool HideFormReminder = false;
};

/// The message and check box the reminder shows for the data report or the
/// form printout.
ReminderView reminderView(bool printingData);

/// Shows the reminder that `PrintingData` selects and waits until it is
/// closed. Every click on its check box inverts the hide flag of that
/// reminder; the box starts unticked and the flag False, so the flag follows
/// the tick mark.
void showOrientationReminder(PrintPlatform& platform, PrintFlags& flags);

}  // namespace tarnwick
