// The user's actions and dialog answers as lines of a scenario file: the
// words of a line, texts in quotes, and playing one action on the sheet as
// the user does it. The scenario runner reads its files with these words and
// plays its actions here; the program's record of a session is written and
// replayed with them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/Sheet.h"
#include "ui/HeadlessPlatform.h"

namespace tarnwick {

/// One word of a line: a bare word, or a text written in double quotes.
struct Word {
    std::string text;  ///< escapes resolved, quotes removed
    bool quoted = false;

    bool operator==(const Word&) const = default;
};

/// The words of one line, or what is wrong with it.
struct Words {
    std::vector<Word> words;
    std::string error;  ///< empty when the line is well formed
};

/// Splits a line into words. Blanks and tabs separate words; a word that
/// begins with a double quote runs to the closing quote and may hold the
/// escapes \" \\ \r \n \t. A line whose first word begins with '#' is a
/// comment and has no words.
Words splitWords(std::string_view line);

/// A text as a line writes it: in double quotes, with escapes.
std::string quotedText(std::string_view text);

/// Why an action cannot be played; nothing when it was.
using Refusal = std::optional<std::string>;

/// Plays one of the user's actions as the scenario files define them:
/// `type` and `paste` (args FIELD TEXT), `focus` (FIELD), `click` (NAME),
/// `key` (KEY) and `close`. An unknown element, a field the user cannot type
/// into, a disabled element or a closed window is refused before anything
/// is done to the sheet.
Refusal playAction(Sheet& sheet, std::string_view command, const std::vector<std::string>& args);

/// Plays the words of a line that restores what the user left and no
/// scenario command does, which the scenario runner reads as a comment:
/// `#! select FIELD START LENGTH` and `#! focus NAME` (a button or an option
/// given the focus without a click). Runs no reaction.
Refusal playRestoring(Sheet& sheet, const std::vector<Word>& words);

/// The words of the answer lines for a message box (`answer OK|Yes|No|Cancel`)
/// and an orientation reminder (`reminder ok|tick|tick-untick`).
std::string_view answerWord(Answer answer);
std::optional<Answer> answerOfWord(std::string_view word);
std::optional<HeadlessPlatform::ReminderAnswer> reminderOfWord(std::string_view word);
/// How the reminder was left after `clicks` on its box; each turns it over.
std::string_view reminderWord(int clicks);

/// Queues on `script` the answer that an answer line gives (`answer`,
/// `prompt`, `reminder`, `printdialog`): the kind of dialog it answers, or
/// nothing when the words are no answer line.
std::optional<HeadlessPlatform::Event::Kind> queueAnswer(HeadlessPlatform& script,
                                                         const std::vector<Word>& words);

/// What a text box keeps of a text: no more than its maximum length in
/// characters (0: no limit).
std::string cutToLength(std::string_view text, int maxLength);

}  // namespace tarnwick
