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

namespace tarnwick::json {

void Writer::separate() {
    if (!out_.empty() && out_.back() != '{' && out_.back() != '[' && out_.back() != ':') {
        out_ += ',';
    }
}

Writer& Writer::open(char bracket) {
    separate();
    out_ += bracket;
    return *this;
}

Writer& Writer::close(char bracket) {
    out_ += bracket;
    return *this;
}

Writer& Writer::key(std::string_view name) {
    separate();
    out_ += quoted(name);
    out_ += ':';
    return *this;
}

Writer& Writer::value(std::string_view text) {
    separate();
    out_ += quoted(text);
    return *this;
}

Writer& Writer::value(int number) {
    separate();
    out_ += std::to_string(number);
    return *this;
}

Writer& Writer::value(bool on) {
    separate();
    out_ += on ? "true" : "false";
    return *this;
}

}  // namespace tarnwick::json
