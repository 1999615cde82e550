// The sheet's snapshot: everything a user can see change on the sheet, with
// the sheet-level values the reactions read, in a small versioned text form,
// so that a page can keep its sheet while its tab lives and put it back when
// the tab is reloaded. A snapshot is taken back whole or not at all.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

class Sheet;

/// The sheet as it stands, as text: the line "tarnwick-sheet 1", one line
/// for each field, label, option and button (its changeable state, under its
/// control name), the focus, the unit system, Movement, the code edition and
/// the window's left edge, then a line with the digest of all before it.
/// A sheet that has not been started has no code edition yet, and its
/// snapshot is one that restore() refuses.
std::string snapshot(const Sheet& sheet);

/// Puts the sheet back as the snapshot has it. Nothing is recalculated and
/// no message is shown: no reaction runs. The sheet's observer hears of every
/// element and of the focus. A snapshot of another version, a damaged or an
/// edited one, or one holding what the sheet never holds (both options of a
/// pair selected, a selection past the end of its text, an edition's values
/// that are not those of the selected edition, ...) is refused: the sheet is
/// left as it was and the answer is false.
bool restore(Sheet& sheet, std::string_view text) noexcept;

/// A snapshot's body (every line before the digest, each ending in a line
/// feed) followed by its digest line.
std::string sealSnapshot(std::string_view body);

}  // namespace tarnwick
