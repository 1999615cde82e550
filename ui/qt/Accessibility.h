// What assistive technology (a screen reader) is told about the window: the
// names and descriptions of the screen description (ui/Screen.h) given to the
// widgets, option buttons reported as radio buttons, and each caption linked
// to the field it captions.
#pragma once

#include <QAccessible>

#include "sheet/Sheet.h"
#include "ui/qt/Widgets.h"

namespace tarnwick {

/// Links each caption to the first field or option it captions, and names
/// every element; make it once all widgets exist.
///
/// Names and descriptions are given only while assistive technology is
/// listening: giving them makes Qt build an accessible interface for every
/// widget, which would hold up the first frame of every start. The link
/// names every element when a screen reader comes (or has come) and then
/// keeps the names up to date through the describe functions below.
class AccessibilityLink : public QAccessible::ActivationObserver {
public:
    AccessibilityLink(const Sheet& sheet, const SheetWidgets& widgets);
    ~AccessibilityLink() override;
    AccessibilityLink(const AccessibilityLink&) = delete;
    AccessibilityLink& operator=(const AccessibilityLink&) = delete;

    void accessibilityActiveChanged(bool active) override;

private:
    void describeAll();

    const Sheet& sheet_;
    const SheetWidgets& widgets_;
};

/// Whether assistive technology is listening now or has been since the
/// program started: names are kept up to date from then on.
bool accessibilityListening();

/// The label's description, and the names and descriptions of the fields and
/// options it captions; run whenever the label's caption or tooltip changes.
/// Does nothing while no assistive technology listens.
void describe(const Sheet& sheet, const SheetWidgets& widgets, L l);
/// The option's name (its question and its caption) and description.
void describe(const Sheet& sheet, const SheetWidgets& widgets, O o);
/// The button's name (its caption) and description.
void describe(const Sheet& sheet, const SheetWidgets& widgets, B b);

/// Makes option buttons report the radio button role; the first option
/// button installs it, before any accessible interface of one exists.
void installOptionRole();

}  // namespace tarnwick
