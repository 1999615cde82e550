// A small JSON writer for what the page receives from the core: objects,
// arrays, texts, whole numbers and booleans, with the commas put in.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick::json {

/// The text as a JSON string literal, quotes included.
std::string quoted(std::string_view text);

class Writer {
public:
    Writer& open(char bracket);   ///< '{' or '['
    Writer& close(char bracket);  ///< '}' or ']'
    Writer& key(std::string_view name);
    Writer& value(std::string_view text);
    Writer& value(const char* text) { return value(std::string_view(text)); }
    Writer& value(const std::string& text) { return value(std::string_view(text)); }
    Writer& value(int number);
    Writer& value(bool on);
    /// A member of an object: its key and value.
    template <class T>
    Writer& member(std::string_view name, const T& v) {
        return key(name).value(v);
    }
    const std::string& text() const { return out_; }

private:
    /// A comma before anything that follows a value.
    void separate();
    std::string out_;
};

}  // namespace tarnwick::json
