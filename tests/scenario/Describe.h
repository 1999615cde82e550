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
std::string iconWord(Icon icon);
/// "ok", or "yes-no-cancel:" and the default button.
std::string buttonsWord(const Message& message);

/// An event as an expectation writes it, without the leading "expect":
/// `message critical ok "TITLE" "PROMPT"`, `prompt "TITLE" "PROMPT"`,
/// `reminder portrait` or `printdialog`.
std::string eventText(const HeadlessPlatform::Event& event);

/// A font size in its shortest form: "14", "10.5".
std::string sizeText(float points);
/// The printer's settings as `expect printer` writes them:
/// `"Arial" 10 2 regular`.
std::string printerText(const HeadlessPrinter& printer);
/// A printed line: the size, `b` when bold, then a blank and the items, an
/// indent written `[@n]`; a blank line is the size (and `b`) alone.
std::string reportLineText(const ReportLine& line);

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
