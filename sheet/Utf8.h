// Every text of the program is UTF-8: where its characters begin, how many
// it holds, and where one stands.
#pragma once

#include <cstddef>
#include <string_view>

namespace tarnwick {

/// Whether a byte begins a character: it is no continuation byte.
constexpr bool beginsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

/// The number of characters of a text.
int characterCount(std::string_view text);
/// The byte offset of character `position`; past the last character, the
/// text's size.
std::size_t byteOffset(std::string_view text, int position);
/// The start of the character that holds byte `offset`, so that a text cut
/// there never ends inside a character; the text's size past its end.
std::size_t characterStart(std::string_view text, std::size_t offset);

}  // namespace tarnwick
