// Small helpers shared by the engine's rules: reading a field's text as a
// number and writing numbers back, by the sheet's number conventions.
#pragma once

#include <optional>
#include <string>

#include "sheet/Numbers.h"
#include "sheet/Sheet.h"

namespace tarnwick::readings {

/// A line break inside a message prompt.
inline constexpr const char* kNewLine = "\r\n";

/// The leading number of the field's text; 0 when there is none.
inline double lenientOf(const Sheet& sheet, F f) {
    return lenient(sheet.text(f));
}

/// The whole text of the field as a number, or nothing when it is not one.
inline std::optional<double> strictOf(const Sheet& sheet, F f) {
    return strict(sheet.text(f));
}

/// A speed as the spring and reduced-stroke rules and the spring warnings
/// read it: the whole text as a number. The entry check of Calculate accepts
/// a speed by its leading number, so a text such as "12abc" can get here
/// without being a number as a whole; it is then taken by that leading
/// number, the same value the entry check accepted.
inline double ruleSpeed(const std::string& text) {
    if (std::optional<double> whole = strict(text)) return *whole;
    return lenient(text);
}

/// Plain number text of a computed clearance or stroke; a result that rounds
/// to zero from below is written "0", never "-0".
inline std::string plainResult(double value) {
    return plainText(value == 0 ? 0.0 : value);
}

}  // namespace tarnwick::readings
