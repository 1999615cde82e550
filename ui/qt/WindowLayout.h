// The calculator window's widgets and where they stand: the question frame
// beside the four large buttons, the unit buttons and the maximum
// counterweight runby box, then one row per quantity with its imperial and
// metric fields and, for the clearances, the measured and difference fields.
#pragma once

#include <QSize>
#include <QWidget>

#include "ui/qt/Widgets.h"

namespace tarnwick {

/// The client area of the window at the default font, menu bar not
/// counted; larger fonts take more.
inline constexpr QSize kClientArea{887, 697};

/// Creates a widget for every field, label, option and button of the sheet
/// inside `client` and lays them out as the screen description
/// (ui/Screen.h) groups them, the data block cell by cell as its grid
/// (ui/Grid.h) places them. Texts and looks are left to the view.
void buildWindowLayout(QWidget& client, SheetWidgets& widgets);

/// Sizes that follow from the captions, once the view has set them.
void fitToTexts(const SheetWidgets& widgets);

/// The colours that depend on the desktop's palette; again whenever it
/// changes.
void paintFixedColours(const SheetWidgets& widgets);

/// The keyboard order of the fields, buttons and options, as the screen
/// description gives it.
void setKeyboardOrder(const SheetWidgets& widgets);

}  // namespace tarnwick
