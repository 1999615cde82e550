#include "sheet/Utf8.h"

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

}  // namespace tarnwick
