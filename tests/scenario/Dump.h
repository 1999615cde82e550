// A full picture of a scenario's sheet, for writing and debugging scenarios.
#pragma once

#include <ostream>
#include <string_view>

#include "Session.h"

namespace tarnwick::scenario {

/// Writes every element with its text, colour and flags, the sheet-level
/// values, the focus, the events not yet taken, the printer and the last
/// report. `where` names the place in the scenario file.
void dump(std::ostream& out, Session& session, std::string_view where);

}  // namespace tarnwick::scenario
