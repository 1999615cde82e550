// Every text of the program is UTF-8: where its characters begin, how many
// it holds, where one stands, and where it breaks into lines of a width.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

/// The number of bytes of the character that starts at byte `at` (`at` is
/// inside the text): a lead byte with the continuation bytes it calls for.
/// A byte that is no part of such a sequence (a stray continuation byte, or
/// a lead byte cut short) is a character of its own, as a text box shows it,
/// so that counting, cutting and typing a text agree even where it is not
/// UTF-8.
std::size_t characterLength(std::string_view text, std::size_t at);

/// The number of characters of a text.
int characterCount(std::string_view text);
/// The byte offset of character `position`; past the last character, the
/// text's size.
std::size_t byteOffset(std::string_view text, int position);
/// The start of the character that holds byte `offset`, so that a text cut
/// there never ends inside a character; the text's size past its end.
std::size_t characterStart(std::string_view text, std::size_t offset);

/// A text broken at blanks into lines of at most `width` characters (the
/// lines after the first, `laterWidth`) where its words allow; a text that
/// fits is its one line. Runs of blanks inside a line are kept as written;
/// at a break they end the line as far as they fit, and no later line starts
/// with blanks.
std::vector<std::string> breakAtBlanks(std::string_view text, int width, int laterWidth);
inline std::vector<std::string> breakAtBlanks(std::string_view text, int width) {
    return breakAtBlanks(text, width, width);
}

}  // namespace tarnwick
