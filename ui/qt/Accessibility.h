// What assistive technology (a screen reader) is told about the window: an
// accessible name for every field that says its row and column as the screen
// shows them, option buttons reported as radio buttons named with their
// question, descriptions in plain text, and each caption linked to the field
// it captions.
#pragma once

#include <QString>
#include <string>

#include "sheet/Sheet.h"
#include "ui/qt/Widgets.h"

namespace tarnwick {

/// Links each caption to the first field or option it captions and names
/// every element; call once all widgets exist.
void setUpAccessibility(const Sheet& sheet, const SheetWidgets& widgets);

/// The label's description, and the names and descriptions of the fields and
/// options it captions; run whenever the label's caption or tooltip changes.
void describe(const Sheet& sheet, const SheetWidgets& widgets, L l);
/// The option's name (its question and its caption) and description.
void describe(const Sheet& sheet, const SheetWidgets& widgets, O o);
/// The button's name (its caption) and description.
void describe(const Sheet& sheet, const SheetWidgets& widgets, B b);

/// Makes option buttons report the radio button role; the first option
/// button installs it, before any accessible interface of one exists.
void installOptionRole();

/// A tooltip as assistive technology reads it: plain text, blanks at either
/// end dropped and runs of blanks made one.
QString plainText(const std::string& text);

}  // namespace tarnwick
