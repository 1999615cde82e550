// The window's menu bar, built from the sheet's menu items: captions and
// shortcut keys come from the sheet, the order is the catalogue's.
#pragma once

#include <QMenuBar>

#include "sheet/Sheet.h"
#include "ui/qt/Widgets.h"

namespace tarnwick {

/// Adds every menu item of the sheet to `bar` and records the leaves'
/// actions in `widgets`.
void buildMenus(const Sheet& sheet, QMenuBar& bar, SheetWidgets& widgets);

}  // namespace tarnwick
