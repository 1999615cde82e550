#include "sheet/Utf8.h"

#include <algorithm>

namespace tarnwick {

namespace {

bool continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::size_t characterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t wanted = lead >= 0xF0 && lead < 0xF8   ? 4
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xC0 && lead < 0xE0 ? 2
                                                             : 1;
    std::size_t length = 1;
    while (length < wanted && at + length < text.size() && continuation(text[at + length]))
        ++length;
    return length;
}

int characterCount(std::string_view text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); i += characterLength(text, i)) ++count;
    return count;
}

std::size_t byteOffset(std::string_view text, int position) {
    std::size_t i = 0;
    for (int seen = 0; seen < position && i < text.size(); ++seen) i += characterLength(text, i);
    return i;
}

std::size_t characterStart(std::string_view text, std::size_t offset) {
    if (offset >= text.size()) return text.size();
    // A character is at most four bytes: its lead byte, if it has one, is
    // at most three before.
    for (std::size_t back = 0; back < 4 && back <= offset; ++back) {
        const std::size_t at = offset - back;
        if (continuation(text[at])) continue;
        return at + characterLength(text, at) > offset ? at : offset;
    }
    return offset;
}

std::vector<std::string> breakAtBlanks(std::string_view text, int width, int laterWidth) {
    if (characterCount(text) <= width) return {std::string(text)};
    std::vector<std::string> lines;
    std::string line;
    bool first = true;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t blank = std::min(text.find(' ', start), text.size());
        const std::string_view word = text.substr(start, blank - start);
        const int room = lines.empty() ? width : laterWidth;
        if (first) {
            line = word;
            first = false;
        } else if (line.empty() && !lines.empty()) {
            line = word;  // blanks at a line break are dropped
        } else if (characterCount(line) + 1 + characterCount(word) > room &&
                   line.find_first_not_of(' ') != std::string::npos) {
            lines.push_back(std::move(line));
            line = word;
        } else {
            line.append(1, ' ').append(word);
        }
        start = blank + 1;
    }
    lines.push_back(std::move(line));
    return lines;
}

}  // namespace tarnwick
