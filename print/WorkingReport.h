// The working of the last calculation as a printed document: a heading, the
// elevator's identification and the date, then each line of the working,
// broken between words where it is wider than the page.
#pragma once

#include <string>
#include <vector>

#include "print/DataReport.h"
#include "sheet/Sheet.h"

namespace tarnwick {

/// The widest line of the printout, in characters of its fixed-pitch font.
inline constexpr int kWorkingColumns = 100;

/// The printout of the sheet's working, with `date`; an empty working
/// prints what its view says.
std::vector<ReportLine> workingReport(const Sheet& sheet, const std::string& date);

}  // namespace tarnwick
