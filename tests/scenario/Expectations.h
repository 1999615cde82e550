// The expectations: what the sheet must show and which dialogs the program
// must have shown.
#pragma once

#include <string>

#include "Script.h"
#include "Session.h"

namespace tarnwick::scenario {

/// Checks a command of the Expect group; an event it matches is taken.
Problem check(Session& session, const Command& command);

/// Takes the next event if it is the one written as `expected` (see
/// eventText); else says what was found instead.
Problem takeEvent(Session& session, const std::string& expected);

/// Compares two texts; a failure quotes both and, for long ones, says where
/// they part.
Problem compareText(const std::string& expected, const std::string& found);

/// Compares a line with its expected text, in which a `*` at the end
/// matches any rest.
Problem compareLine(const std::string& expected, const std::string& found);

}  // namespace tarnwick::scenario
