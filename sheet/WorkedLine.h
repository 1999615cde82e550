// Writing one line of the working: its words and numbers, and the figures it
// states for the sheet's fields.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "sheet/EditionTexts.h"
#include "sheet/Sheet.h"

namespace tarnwick {

/// The units of the sheet's unit system, as the working writes them.
struct WorkedUnits {
    std::string_view length;
    std::string_view speed;
};
inline constexpr WorkedUnits kImperialUnits{" in", " ft/min"};
inline constexpr WorkedUnits kMetricUnits{" mm", " m/s"};

inline const WorkedUnits& unitsOf(const Sheet& sheet) {
    return sheet.state().IsImperial ? kImperialUnits : kMetricUnits;
}

/// The references of the sheet's code edition.
inline const EditionRules& rulesOf(const Sheet& sheet) {
    return editionRules(selectedEdition(sheet));
}

/// The rule reference that a message's rule text begins with, without the
/// blanks before it and what follows it: "Rule 107.1d(2)" of
/// "Rule 107.1d(2)...", "2.4.4(a)" of "2.4.4(a)  (A17.1-2000 ...".
std::string_view ruleOf(std::string_view text);

/// What an entry, a measured clearance or a difference field holds, in
/// words: "rated speed", "refuge space".
std::string_view inWords(F field);

/// A new line at the end of the sheet's working, written piece by piece.
class WorkedLine {
public:
    explicit WorkedLine(Sheet& sheet)
        : working_(sheet.working()), line_(working_.add()), units_(unitsOf(sheet)) {}

    WorkedLine& operator<<(std::string_view text) {
        working_.text(line_) += text;
        return *this;
    }
    /// A number, as plain number text.
    WorkedLine& number(double value);
    /// A number after an operator: in brackets when negative, "(-2)".
    WorkedLine& operand(double value);
    /// A constant, written out in full without an exponent: "0.00003422619".
    WorkedLine& constant(double value);
    /// A field's text, stated for the field: what the step writes there, or
    /// the text of an entry as the step compares it.
    WorkedLine& result(F field, std::string_view text);
    /// The reading of an entry that the step computes with; with
    /// `asOperand` written as an operand.
    WorkedLine& entry(F field, double value, bool asOperand = false);
    /// The unit of lengths or of speeds, after a blank: " in", " m/s".
    WorkedLine& length() { return *this << units_.length; }
    WorkedLine& speed() { return *this << units_.speed; }
    /// A message that the step showed: its title in quotes.
    WorkedLine& shown(std::string_view title);

private:
    Working& working_;
    std::size_t line_;
    const WorkedUnits& units_;
};

}  // namespace tarnwick
