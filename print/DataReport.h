// The data report as a document: the sheet's answers, entries and results
// as lines of text, each with the font size and weight it is printed in. It
// reads the sheet and nothing else, so any printer can render it.
#pragma once

#include <string>
#include <vector>

#include "print/LineItems.h"
#include "sheet/Sheet.h"

namespace tarnwick {

struct ReportLine {
    float size = 14;  ///< points
    bool bold = false;
    LineItems items;  ///< none: a blank line

    bool operator==(const ReportLine&) const = default;
};

/// The texts that name the five answers of the sheet's questions.
struct ModeTexts {
    std::string edition;
    std::string buffer;
    std::string compression;
    std::string tieDown;
    std::string stroke;
};
ModeTexts modeTexts(const Sheet& sheet);

/// The report of the sheet as it stands, in the variant of its buffer answer
/// and unit system, with `date` on the edition line. Fields print their text
/// as it stands, an empty one as nothing between label and unit. Empty when
/// neither buffer option is selected.
std::vector<ReportLine> dataReport(const Sheet& sheet, const std::string& date);

}  // namespace tarnwick
