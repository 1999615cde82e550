#include "ui/web/Json.h"

#include <cstdio>

#include "ui/ActionLines.h"

namespace tarnwick::json {

// A scenario line quotes a text as JSON does, with the same escapes; JSON
// writes the other control characters, which a line keeps as they are, as
// \u escapes.
std::string quoted(std::string_view text) {
    std::string out;
    for (const char c : quotedText(text)) {
        if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace tarnwick::json
