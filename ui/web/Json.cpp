#include "ui/web/Json.h"

#include <cstdio>
#include <utility>

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

void Writer::next() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!empty_.empty()) {
        if (!empty_.back()) out_ += ',';
        empty_.back() = false;
    }
}

Writer& Writer::open(char bracket, char closing) {
    next();
    out_ += bracket;
    closings_ += closing;
    empty_.push_back(true);
    return *this;
}

Writer& Writer::object() {
    return open('{', '}');
}

Writer& Writer::array() {
    return open('[', ']');
}

Writer& Writer::end() {
    out_ += closings_.back();
    closings_.pop_back();
    empty_.pop_back();
    return *this;
}

Writer& Writer::key(std::string_view name) {
    next();
    out_ += quoted(name);
    out_ += ':';
    afterKey_ = true;
    return *this;
}

Writer& Writer::value(std::string_view text) {
    next();
    out_ += quoted(text);
    return *this;
}

Writer& Writer::value(int number) {
    next();
    out_ += std::to_string(number);
    return *this;
}

Writer& Writer::value(bool on) {
    next();
    out_ += on ? "true" : "false";
    return *this;
}

std::string Writer::text() && {
    return std::move(out_);
}

}  // namespace tarnwick::json
