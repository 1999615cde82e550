// Small JSON writing helpers for what the page receives from the core.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick::json {

/// The text as a JSON string literal, quotes included.
std::string quoted(std::string_view text);

}  // namespace tarnwick::json
