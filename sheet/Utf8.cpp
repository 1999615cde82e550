#include "sheet/Utf8.h"

#include <algorithm>

namespace tarnwick {

int characterCount(std::string_view text) {
    int count = 0;
    for (char c : text) count += beginsCharacter(c) ? 1 : 0;
    return count;
}

std::size_t byteOffset(std::string_view text, int position) {
    if (position <= 0) return 0;
    int seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (beginsCharacter(text[i]) && seen++ == position) return i;
    }
    return text.size();
}

std::size_t characterStart(std::string_view text, std::size_t offset) {
    if (offset >= text.size()) return text.size();
    while (offset > 0 && !beginsCharacter(text[offset])) --offset;
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
