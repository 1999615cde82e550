// JSON for what the page receives from the core: string literals, and a
// writer of nested objects and arrays that places the commas and colons.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::json {

/// The text as a JSON string literal, quotes included.
std::string quoted(std::string_view text);

/// Writes one JSON value from the front: values, keys and the starts and
/// ends of objects and arrays, in order.
///
///     Writer w;
///     w.object().key("row").value(3).key("ids").array().value(1).value(2).end().end();
///     std::move(w).text();  // {"row":3,"ids":[1,2]}
class Writer {
public:
    Writer& object();
    Writer& array();
    /// Ends the innermost open object or array.
    Writer& end();
    /// The key of the next value of an object.
    Writer& key(std::string_view name);
    Writer& value(std::string_view text);
    Writer& value(const char* text) { return value(std::string_view(text)); }
    Writer& value(int number);
    Writer& value(bool on);
    /// A key and its value.
    template <class Value>
    Writer& member(std::string_view name, const Value& v) {
        return key(name).value(v);
    }
    /// An array of each item's value, written by `write(writer, item)`.
    template <class Items, class Write>
    Writer& arrayOf(const Items& items, Write write) {
        array();
        for (const auto& item : items) write(*this, item);
        return end();
    }

    /// What has been written: the whole value once every object and array
    /// has ended.
    std::string text() &&;

private:
    /// Before a value, a key or an opening: the comma after the previous
    /// item, unless it follows its key.
    void next();
    Writer& open(char bracket, char closing);

    std::string out_;
    std::string closings_;     ///< of the open objects and arrays, innermost last
    std::vector<bool> empty_;  ///< whether each has no item yet
    bool afterKey_ = false;
};

}  // namespace tarnwick::json
