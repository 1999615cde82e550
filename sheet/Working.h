// The working of the last calculation: every step that produced a figure on
// the sheet, one line of text each, written by the rules as they compute.
// Each line also says, field by field, which of the sheet's texts it states,
// so that the lines can be held against the sheet.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/Elements.h"

namespace tarnwick {

class Working {
public:
    /// What the view of an empty working says.
    static constexpr std::string_view kNothingCalculated =
        "Nothing has been calculated yet. Press Calculate, and the working of every figure on "
        "the sheet is shown here.";

    /// A figure that a line states, and the field it stands for.
    struct Figure {
        std::size_t line = 0;
        F field{};
        std::string text;
        /// The line states the field's reading as a number (its leading
        /// number, as plain number text) rather than its text: an entry
        /// that a rule read.
        bool reading = false;
    };

    /// The lines, the first step first; none when nothing has been
    /// calculated since the results were last emptied. Both front ends show
    /// exactly these lines.
    std::span<const std::string> lines() const { return {lines_.data(), lineCount_}; }
    /// The figures the lines state, each still standing in its field.
    std::span<const Figure> figures() const { return {figures_.data(), figureCount_}; }
    bool empty() const { return lineCount_ == 0; }
    /// The lines as its view and its printout show them: the working's own,
    /// or, when it is empty, the one line that says so.
    std::span<const std::string> shownLines() const;
    /// Whether the working is that of a calculation that ran to its end.
    bool complete() const { return complete_; }

    /// Empties the working: the results it worked out are gone.
    void clear();
    /// Starts a new, empty line at the end; its number, from 0.
    std::size_t add();
    /// The text of line `line`, for writing.
    std::string& text(std::size_t line) { return lines_[line]; }
    /// Line `line` states the text of `field`. A different text that an
    /// earlier line gave for the field no longer stands there: a later step
    /// has written over it.
    void states(std::size_t line, F field, std::string_view text);
    /// Line `line` states the reading of `field`.
    void reads(std::size_t line, F field, std::string_view text);
    /// No line's figure stands in `field` any more: a step has emptied it.
    void withdraw(F field);
    /// The calculation has run to its end.
    void finish() { complete_ = true; }

private:
    void bind(std::size_t line, F field, std::string_view text, bool reading);
    /// Forgets the figures given for `field`: every one, or with `now` the
    /// texts other than `now`.
    void drop(F field, std::optional<std::string_view> now);

    // The lines and figures are kept when the working is emptied and written
    // over by the next calculation, which then allocates little.
    std::vector<std::string> lines_;
    std::size_t lineCount_ = 0;
    std::vector<Figure> figures_;
    std::size_t figureCount_ = 0;
    bool complete_ = false;
};

}  // namespace tarnwick
