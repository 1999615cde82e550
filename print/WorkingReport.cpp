#include "print/WorkingReport.h"

#include "sheet/Utf8.h"

namespace tarnwick {

namespace {

constexpr float kSize = 8;
/// Where a line's continuation starts: under the first word after the
/// line's own indent.
constexpr int kContinuation = 5;

/// The line in pieces no wider than the page, broken at blanks; a word
/// wider than the page stands alone.
std::vector<std::string> pieces(const std::string& line) {
    std::vector<std::string> out;
    std::string rest = line;
    int width = kWorkingColumns;
    while (characterCount(rest) > width) {
        std::size_t cut = rest.rfind(' ', byteOffset(rest, width));
        if (cut == std::string::npos || cut == 0) cut = rest.find(' ', byteOffset(rest, width));
        if (cut == std::string::npos) break;
        out.push_back(rest.substr(0, cut));
        rest = rest.substr(cut + 1);
        width = kWorkingColumns - (kContinuation - 1);
    }
    out.push_back(rest);
    return out;
}

}  // namespace

std::vector<ReportLine> workingReport(const Sheet& sheet, const std::string& date) {
    std::vector<ReportLine> out;
    out.push_back({12, true, {std::string("Working of the Last Calculation")}});
    const std::string& id = sheet.text(F::txtID);
    if (id.find_first_not_of(' ') != std::string::npos)
        out.push_back({kSize, false, {"Elevator Identification: " + id}});
    out.push_back({kSize, false, {"Printed " + date}});
    out.push_back({kSize, false, {}});
    const Working& working = sheet.working();
    if (working.empty()) {
        for (const std::string& piece : pieces(std::string(Working::kNothingCalculated)))
            out.push_back({kSize, false, {piece}});
    }
    for (const std::string& line : working.lines()) {
        bool first = true;
        for (const std::string& piece : pieces(line)) {
            LineItems items;
            if (!first) items.push_back(Indent{kContinuation});
            items.push_back(piece);
            out.push_back({kSize, false, std::move(items)});
            first = false;
        }
    }
    return out;
}

}  // namespace tarnwick
