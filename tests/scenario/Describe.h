// The words in which scenario files write the sheet's values, for comparing
// them with an expectation and for showing them in failures and dumps.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/Sheet.h"
#include "ui/HeadlessPlatform.h"

namespace tarnwick::scenario {

std::string yesNo(bool on);
std::string colourWord(Colour colour);
std::string iconWord(Icon icon);
/// "ok", or "yes-no-cancel:" and the default button.
std::string buttonsWord(const Message& message);

/// An event as an expectation writes it, without the leading "expect":
/// `message critical ok "TITLE" "PROMPT"` or `prompt "TITLE" "PROMPT"`.
std::string eventText(const HeadlessPlatform::Event& event);

/// A sheet-level value as an expectation writes it: `yes`/`no`, a plain
/// number text, or a quoted text.
struct StateValue {
    std::string value;  ///< as compared, without quotes
    bool isText = false;

    std::string written() const;
};

/// The names of the sheet-level values, in the order a dump shows them.
const std::vector<std::string_view>& stateNames();
/// The sheet-level value of that name; nothing for an unknown name.
std::optional<StateValue> stateValue(const SheetState& state, std::string_view name);

}  // namespace tarnwick::scenario
