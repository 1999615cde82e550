// The expectations: what the sheet must show and which dialogs the program
// must have shown.
#pragma once

#include "Script.h"
#include "Session.h"

namespace tarnwick::scenario {

/// Checks a command of the Expect group; an event it matches is taken.
Problem check(Session& session, const Command& command);

}  // namespace tarnwick::scenario
