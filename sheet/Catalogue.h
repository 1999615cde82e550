// The initial look of every element of the calculator window: captions,
// static tooltips, colours, maximum lengths and flags as the window is created.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "sheet/Elements.h"

namespace tarnwick {

/// Background colours the program uses; Standard is the window's own
/// background, which a field keeps until the program first paints it.
enum class Colour { Standard, White, Yellow, Red };

/// The colour's name in lower case: "standard", "white", "yellow", "red".
std::string_view colourName(Colour colour);

struct TextField {
    std::string text;
    Colour colour = Colour::Standard;
    bool locked = false;
    bool tabStop = true;
    bool visible = true;
    int maxLength = 0;
    int selStart = 0;
    int selLength = 0;

    bool operator==(const TextField&) const = default;
};

struct LabelElement {
    std::string caption;
    std::string tooltip;
    bool enabled = true;

    bool operator==(const LabelElement&) const = default;
};

struct OptionElement {
    std::string caption;
    std::string tooltip;
    bool selected = false;
    bool enabled = true;

    bool operator==(const OptionElement&) const = default;
};

struct ButtonElement {
    std::string caption;
    std::string tooltip;
    bool enabled = true;
    bool tabStop = true;
    bool lightGreen = false;

    bool operator==(const ButtonElement&) const = default;
};

struct MenuElement {
    std::string caption;
    std::string shortcut;  ///< "Ctrl+D", "F1", ... or empty
    M parent = M::mnuPrint;
    bool topLevel = false;
    bool leaf = false;

    bool operator==(const MenuElement&) const = default;
};

struct Catalogue {
    std::array<TextField, kFieldCount> fields;
    std::array<LabelElement, kLabelCount> labels;
    std::array<OptionElement, kOptionCount> options;
    std::array<ButtonElement, kButtonCount> buttons;
    std::array<MenuElement, kMenuCount> menus;

    bool operator==(const Catalogue&) const = default;
};

/// Every element as it is when the window is created, before start-up runs.
Catalogue initialCatalogue();

}  // namespace tarnwick
