// Colours the window fixes whatever the desktop's theme: the field
// backgrounds, the light green buttons and the red caption. Wherever a
// background is fixed, the text on it is fixed too, in every state, so a
// dark theme's light text never lands on a white or yellow box.
#pragma once

#include <QColor>
#include <QPalette>

#include "sheet/Catalogue.h"

namespace tarnwick {

/// The background of a field in the given colour; Standard is the desktop
/// palette's own base colour.
QColor fieldBackground(Colour colour);

// The palettes below set only the roles they fix; a widget given one takes
// every other role from the desktop, and keeps following it.

/// The field's background with a text, caret and selection that read on
/// it, in the active, inactive and disabled groups. Standard fixes nothing.
QPalette fieldPalette(Colour colour);

/// A fixed button face with captions that read on it, greyed but still
/// legible when the button is disabled.
QPalette buttonPalette(const QColor& face);

/// The light green face of the unit and clearing buttons.
QColor lightGreen();

/// `ink`, darkened or lightened just as far as it takes to read on
/// `background` with at least `ratio` contrast; its hue is kept.
QColor readableOn(const QColor& ink, const QColor& background, double ratio = 4.5);

/// The contrast ratio of two colours, from 1 (same luminance) to 21
/// (black on white), as the web's accessibility guidelines define it.
double contrastRatio(const QColor& a, const QColor& b);

}  // namespace tarnwick
