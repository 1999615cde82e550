// Plays what the user does (typing, clicks, keys, closing the window) and
// queues the answers for the dialogs to come.
#pragma once

#include "Script.h"
#include "Session.h"

namespace tarnwick::scenario {

/// Plays a command of the Action or Answer group.
Problem play(Session& session, const Command& command);

}  // namespace tarnwick::scenario
