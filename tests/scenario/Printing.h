// The printing commands: answers for the orientation reminder and the print
// dialog, the headless printer's settings, and the expectations on the
// reminders, print dialogs, documents and data reports.
#pragma once

#include "Script.h"
#include "Session.h"

namespace tarnwick::scenario {

/// Plays or checks a command of the Printing group.
Problem playPrinting(Session& session, const Command& command);

}  // namespace tarnwick::scenario
