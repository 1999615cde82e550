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

/// What a text box keeps of a text: no more than its maximum length in
/// characters (0: no limit).
std::string cutToLength(std::string_view text, int maxLength);

}  // namespace tarnwick
