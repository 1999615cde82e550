// Plays the scenarios of a file, each on a fresh program, and reports them.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "Script.h"
#include "Session.h"

namespace tarnwick::scenario {

/// Plays one scenario to its end or to its first failure. Dumps go to `out`;
/// `file` names the scenario file in them.
std::optional<Failure> runScenario(const Scenario& scenario, const std::string& file,
                                   std::ostream& out);
/// The same on a session that has not been started, which the caller keeps.
std::optional<Failure> runScenario(const Scenario& scenario, const std::string& file,
                                   std::ostream& out, Session& session);

struct Tally {
    int passed = 0;
    int failed = 0;
};

/// Plays every scenario of a script and writes `ok NAME` or `FAIL NAME` for
/// each, a failure with its file and line under it.
void runScript(const Script& script, const std::string& file, std::ostream& out, Tally& tally);

}  // namespace tarnwick::scenario
