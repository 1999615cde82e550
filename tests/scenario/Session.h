// One scenario's running program on its headless platform, with what the
// runner remembers about it: which events the scenario has taken, and the
// lines that produced each event and queued each answer.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/Elements.h"
#include "sheet/Sheet.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"

namespace tarnwick::scenario {

/// Why a command could not be played or an expectation does not hold;
/// nothing when all is well.
using Problem = std::optional<std::string>;

class Session {
public:
    using Event = HeadlessPlatform::Event;

    Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    /// Starts the program as the user starts it; events it shows are put down
    /// to `line`.
    void start(int line);

    Sheet& sheet() { return program_.sheet(); }
    Program& program() { return program_; }
    HeadlessPlatform& platform() { return platform_; }

    const std::vector<Event>& events() const { return platform_.events(); }
    /// The oldest event not yet taken by an expectation, if any.
    const Event* nextEvent() const;
    void takeEvent() { ++taken_; }
    std::size_t taken() const { return taken_; }
    /// The line of the command that produced event `i`.
    int eventLine(std::size_t i) const { return eventLines_.at(i); }
    /// Puts every event not yet put down to a line down to `line`.
    void noteEvents(int line);

    void queueAnswer(Answer answer, int line);
    void queuePrompt(std::optional<std::string> text, int line);
    void queueReminder(HeadlessPlatform::ReminderAnswer answer, int line);
    void queuePrintDialog(bool ok, int line);
    /// Lines of the queued answers of each kind that no dialog has used yet.
    std::vector<int> unusedAnswerLines() const;
    std::vector<int> unusedPromptLines() const;
    std::vector<int> unusedReminderLines() const;
    std::vector<int> unusedPrintDialogLines() const;

private:
    HeadlessPlatform platform_;
    Program program_;
    std::size_t taken_ = 0;
    std::vector<int> eventLines_;
    std::vector<int> answerLines_;
    std::vector<int> promptLines_;
    std::vector<int> reminderLines_;
    std::vector<int> printDialogLines_;
};

/// Looks an element up by its control name.
Problem findElement(std::string_view name, Element& out);
/// Looks a text field up by its control name.
Problem findField(std::string_view name, F& out);

}  // namespace tarnwick::scenario
