#include "print/WorkingReport.h"

#include "sheet/Utf8.h"

namespace tarnwick {

namespace {

constexpr float kSize = 8;
/// Where a line's continuation starts: under the first word after the
/// line's own indent.
constexpr int kContinuation = 5;

}  // namespace

std::vector<ReportLine> workingReport(const Sheet& sheet, const std::string& date) {
    std::vector<ReportLine> out;
    out.push_back({12, true, {std::string("Working of the Last Calculation")}});
    const std::string& id = sheet.text(F::txtID);
    if (id.find_first_not_of(' ') != std::string::npos)
        out.push_back({kSize, false, {"Elevator Identification: " + id}});
    out.push_back({kSize, false, {"Printed " + date}});
    out.push_back({kSize, false, {}});
    for (const std::string& line : sheet.working().shownLines()) {
        // A line wider than the page goes on under its first word.
        bool first = true;
        for (std::string& piece :
             breakAtBlanks(line, kWorkingColumns, kWorkingColumns - (kContinuation - 1))) {
            LineItems items;
            if (!first) items.push_back(Indent{kContinuation});
            items.push_back(std::move(piece));
            out.push_back({kSize, false, std::move(items)});
            first = false;
        }
    }
    return out;
}

}  // namespace tarnwick
