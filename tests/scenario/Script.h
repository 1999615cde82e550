// Scenario files as text: the words of a line, the commands they make and the
// scenarios a file holds. Nothing here touches the program; names of elements
// are kept as written and looked up when a command is played.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ActionLines.h"

namespace tarnwick::scenario {

/// One word of a line, and the words of a line or what is wrong with it:
/// the program's own reading of scenario lines (ui/ActionLines.h).
using Token = Word;
using Tokens = Words;

/// Splits a line into words (see splitWords).
inline Tokens tokenize(std::string_view line) {
    return splitWords(line);
}

enum class Op {
    // What the user does.
    Type,
    Paste,
    Focus,
    Click,
    Key,
    Close,
    // Answers for the dialogs to come.
    Answer,
    PromptText,
    PromptCancel,
    // Expectations.
    ExpectMessage,
    ExpectPrompt,
    ExpectNoEvent,
    ExpectText,
    ExpectSelection,
    ExpectColour,
    ExpectFocus,
    ExpectEnabled,
    ExpectVisible,
    ExpectLocked,
    ExpectTabStop,
    ExpectSelected,
    ExpectCaption,
    ExpectTooltip,
    ExpectState,
    ExpectClosed,
    ExpectWorkingLines,
    ExpectWorkingLine,
    ExpectWorkingHas,
    // Printing: dialog answers, the printer's settings and what was printed.
    Reminder,
    PrintDialog,
    Printer,
    ExpectReminder,
    ExpectPrintDialog,
    ExpectPrinter,
    ExpectDocuments,
    ExpectPictures,
    ExpectReportLines,
    ExpectReportLine,
    // Debugging.
    Dump,
};

/// Which part of the runner plays a command.
enum class Group { Action, Answer, Expect, Printing, Dump };

struct Command {
    Op op = Op::Dump;
    Group group = Group::Dump;
    int line = 0;
    /// The command's keywords, with the element or key it names:
    /// "expect text txtImpSpeed", "click cmdCalculate", "answer".
    std::string head;
    /// The operands as written (quotes removed), in order.
    std::vector<std::string> args;
};

/// A malformed line, an unplayable command or a failed expectation.
struct Failure {
    int line = 0;
    std::string text;
};

struct Scenario {
    std::string name;
    int line = 0;  ///< of its `scenario` line
    std::vector<Command> commands;
    /// The first malformed line of the scenario; such a scenario is not played.
    std::optional<Failure> malformed;
};

struct Script {
    std::vector<Scenario> scenarios;
    /// The first line that stands before the first `scenario` line.
    std::optional<Failure> stray;
};

/// Reads one line's words as a command; a failure names what is wrong.
struct Parsed {
    std::optional<Command> command;
    std::string error;
};
Parsed parseCommand(const std::vector<Token>& words, int line);

/// Reads a whole scenario file. Line endings may be "\n" or "\r\n".
Script parseScript(std::string_view text);

}  // namespace tarnwick::scenario
