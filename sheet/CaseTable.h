// The answers that pick each of the eighteen calculation cases: the unit
// system and the four buffer questions.
#pragma once

#include <array>

#include "sheet/Sheet.h"

namespace tarnwick {

struct CaseRow {
    bool imperial;
    bool oil;
    bool compressed;
    bool tieDown;
    bool reduced;

    /// Whether the sheet's unit system and answers are this row's.
    bool holds(const Sheet& sheet) const {
        return sheet.state().IsImperial == imperial &&
               sheet.selected(oil ? O::optOil : O::optSpring) &&
               sheet.selected(compressed ? O::optCompYes : O::optCompNo) &&
               sheet.selected(tieDown ? O::optTieDownYes : O::optTieDownNo) &&
               sheet.selected(reduced ? O::optReducedYes : O::optReducedNo);
    }
};

// Case n is row n - 1; each imperial case is followed by its metric twin.
// Columns: imperial, oil, compressed, tie-down, reduced stroke.
inline constexpr std::array<CaseRow, 18> kCases{{
    {true, true, false, false, false},
    {false, true, false, false, false},
    {true, false, false, false, false},
    {false, false, false, false, false},
    {true, true, false, true, false},
    {false, true, false, true, false},
    {true, true, true, false, false},
    {false, true, true, false, false},
    {true, true, false, false, true},
    {false, true, false, false, true},
    {true, true, false, true, true},
    {false, true, false, true, true},
    {true, true, true, true, false},
    {false, true, true, true, false},
    {true, true, true, true, true},
    {false, true, true, true, true},
    {true, true, true, false, true},
    {false, true, true, false, true},
}};

}  // namespace tarnwick
