#include "print/PrintCommands.h"

#include <string>
#include <vector>

#include "print/DataReport.h"

namespace tarnwick {

namespace {

/// Prints the lines, changing the font size and weight only where a line's
/// differ from the line before. The report starts at 14 points, which the
/// command has just set, with bold off, as every finished report leaves it.
void printLines(Printer& printer, const std::vector<ReportLine>& lines) {
    float size = 14;
    bool bold = false;
    for (const ReportLine& line : lines) {
        if (line.size != size) printer.setFontSize(size = line.size);
        if (line.bold != bold) printer.setBold(bold = line.bold);
        printer.printLine(line.items);
    }
}

}  // namespace

PrintCommands::PrintCommands(Sheet& sheet, PrintPlatform& platform)
    : sheet_(sheet), platform_(platform) {}

bool PrintCommands::prepare(const char* idPrompt, bool printingData) {
    if (sheet_.text(F::txtID).empty()) {
        sheet_.setText(F::txtID, sheet_.platform().promptText(idPrompt, "Elevator ID"));
    }
    flags_.PrintingData = printingData;
    const bool hidden = printingData ? flags_.HideDataReminder : flags_.HideFormReminder;
    if (!hidden) showOrientationReminder(platform_, flags_);
    return platform_.showPrintDialog();
}

// A cancelled print dialog or a printer error ends either command at once and
// silently; what was printed or set until then stays as it is.
void PrintCommands::mnuPrintData_Click() {
    try {
        if (!prepare("35 characters may be used to identify this elevator.", true)) return;
        const std::vector<ReportLine> report = dataReport(sheet_, platform_.shortDate());
        Printer& printer = platform_.printer();
        const std::string savedName = printer.fontName();
        const float savedSize = printer.fontSize();
        const int savedOrientation = printer.orientation();
        printer.setFontName("Courier New");
        printer.setFontSize(14);
        printer.setOrientation(1);
        printLines(printer, report);
        printer.endDocument();
        printer.setFontName(savedName);
        printer.setFontSize(savedSize);
        printer.setOrientation(savedOrientation);
        printer.setBold(false);
    } catch (const PrintFailure&) {
    }
}

void PrintCommands::mnuPrintForm_Click() {
    try {
        if (!prepare("Do you wish to identify this elevator?", false)) return;
        platform_.printer().printWindowPicture();
    } catch (const PrintFailure&) {
    }
}

}  // namespace tarnwick
