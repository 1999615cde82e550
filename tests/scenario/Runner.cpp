#include "Runner.h"

#include <exception>

#include "Describe.h"
#include "Dump.h"
#include "Expectations.h"
#include "Player.h"
#include "Printing.h"
#include "Session.h"
#include "tests/support/SheetInvariants.h"

namespace tarnwick::scenario {

namespace {

Problem execute(Session& session, const Command& command, const std::string& file,
                std::ostream& out) {
    switch (command.group) {
        case Group::Action:
        case Group::Answer:
            return play(session, command);
        case Group::Expect:
            return check(session, command);
        case Group::Printing:
            return playPrinting(session, command);
        case Group::Dump:
            dump(out, session, file + ":" + std::to_string(command.line));
            return std::nullopt;
    }
    return std::nullopt;
}

/// What is left over at the end: an event no expectation took, or an answer
/// no dialog used; the one from the earliest line.
std::optional<Failure> leftOver(const Session& session) {
    std::optional<Failure> first;
    auto consider = [&first](int line, std::string text) {
        if (!first || line < first->line) first = Failure{line, std::move(text)};
    };
    if (const Session::Event* event = session.nextEvent()) {
        std::string text = "event never taken by an expectation: " + eventText(*event);
        std::size_t more = session.events().size() - session.taken() - 1;
        if (more > 0) text += " (and " + std::to_string(more) + " more)";
        consider(session.eventLine(session.taken()), text);
    }
    for (int line : session.unusedAnswerLines()) {
        consider(line, "answer never used: no message box asked for it");
    }
    for (int line : session.unusedPromptLines()) {
        consider(line, "prompt answer never used: no text prompt asked for it");
    }
    for (int line : session.unusedReminderLines()) {
        consider(line, "reminder answer never used: no orientation reminder asked for it");
    }
    for (int line : session.unusedPrintDialogLines()) {
        consider(line, "print dialog answer never used: no print dialog asked for it");
    }
    return first;
}

}  // namespace

std::optional<Failure> runScenario(const Scenario& scenario, const std::string& file,
                                   std::ostream& out) {
    Session session;
    return runScenario(scenario, file, out, session);
}

std::optional<Failure> runScenario(const Scenario& scenario, const std::string& file,
                                   std::ostream& out, Session& session) {
    if (scenario.malformed) return scenario.malformed;
    const Command* current = nullptr;
    try {
        session.start(scenario.line);
        for (const Command& command : scenario.commands) {
            current = &command;
            Problem problem = execute(session, command, file, out);
            session.noteEvents(command.line);
            // Whatever a scenario expects, the working never disagrees with
            // the sheet.
            if (!problem && command.group != Group::Expect) {
                const testsupport::Problems working = testsupport::workingProblems(session.sheet());
                if (!working.empty()) problem = working.front();
            }
            if (problem) return Failure{command.line, command.head + ": " + *problem};
        }
    } catch (const std::exception& e) {
        if (current == nullptr)
            return Failure{scenario.line, std::string("start-up threw: ") + e.what()};
        return Failure{current->line, current->head + ": the program threw: " + e.what()};
    }
    return leftOver(session);
}

void runScript(const Script& script, const std::string& file, std::ostream& out, Tally& tally) {
    if (script.stray) {
        out << "FAIL " << file << "\n  " << file << ':' << script.stray->line << ": "
            << script.stray->text << '\n';
        ++tally.failed;
    }
    for (const Scenario& scenario : script.scenarios) {
        std::optional<Failure> failure = runScenario(scenario, file, out);
        if (!failure) {
            out << "ok " << scenario.name << '\n';
            ++tally.passed;
            continue;
        }
        out << "FAIL " << scenario.name << "\n  " << file << ':' << failure->line << ": "
            << failure->text << '\n';
        ++tally.failed;
    }
}

}  // namespace tarnwick::scenario
