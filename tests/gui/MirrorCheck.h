// Whether the window shows the sheet: every widget with its element's text,
// colour, lock, visibility, tab stop, enabled state, check mark, tooltip and
// selection, and the keyboard focus where the sheet has it.
#pragma once

#include <QString>

#include "sheet/Sheet.h"
#include "ui/qt/Widgets.h"

namespace tarnwick {

/// The first widget that differs from its element and how, for a failure
/// message; empty when the window shows the sheet. The keyboard focus is
/// compared only `withFocus`, for a window that has the keyboard.
QString mirrorMismatch(const Sheet& sheet, const SheetWidgets& widgets, bool withFocus);

}  // namespace tarnwick
