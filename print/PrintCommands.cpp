#include "print/PrintCommands.h"

#include <string>
#include <vector>

#include "print/DataReport.h"
#include "print/WorkingReport.h"
#include "sheet/Platform.h"

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

/// "E-7 data report"; the printout alone without an identification.
std::string documentName(const std::string& id, const char* printout) {
    const std::size_t first = id.find_first_not_of(' ');
    if (first == std::string::npos) return printout;
    return id.substr(first, id.find_last_not_of(' ') - first + 1) + " " + printout;
}

}  // namespace

PrintCommands::PrintCommands(Sheet& sheet, PrintPlatform& platform)
    : sheet_(sheet), platform_(platform) {}

bool PrintCommands::prepare(const char* idPrompt, bool printingData) {
    if (sheet_.text(F::txtID).empty()) {
        sheet_.setText(F::txtID, sheet_.platform().promptText(idPrompt, "Elevator ID"));
    }
    platform_.printer().setDocumentName(
        documentName(sheet_.text(F::txtID), printingData ? dataReportName : formName));
    flags_.PrintingData = printingData;
    const bool hidden = printingData ? flags_.HideDataReminder : flags_.HideFormReminder;
    if (!hidden) showOrientationReminder(platform_, flags_);
    return platform_.showPrintDialog();
}

// A printer error is the one failure the user hears of: a printout that
// silently does not come out would pass for printed.
void PrintCommands::reportFailure(const char* printout, const PrintFailure& failure) {
    Message message;
    message.prompt =
        std::string("The ") + printout + " could not be printed: " + failure.what() + ".";
    message.title = "Print";
    message.icon = Icon::Critical;
    sheet_.platform().showMessage(message);
}

void PrintCommands::printReport(const std::vector<ReportLine>& report) {
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
}

// A cancelled print dialog ends every command at once and silently; a
// printer error ends it with a message. What was set until then stays as it
// is.
void PrintCommands::mnuPrintData_Click() {
    try {
        if (!prepare("35 characters may be used to identify this elevator.", true)) return;
        printReport(dataReport(sheet_, platform_.shortDate()));
    } catch (const PrintFailure& failure) {
        reportFailure(dataReportName, failure);
    }
}

// The working asks for no identification and shows no reminder: it prints
// in portrait, as the data report does.
void PrintCommands::mnuPrintWorking_Click() {
    try {
        platform_.printer().setDocumentName(documentName(sheet_.text(F::txtID), workingName));
        if (!platform_.showPrintDialog()) return;
        printReport(workingReport(sheet_, platform_.shortDate()));
    } catch (const PrintFailure& failure) {
        reportFailure(workingName, failure);
    }
}

void PrintCommands::mnuPrintForm_Click() {
    try {
        if (!prepare("Do you wish to identify this elevator?", false)) return;
        platform_.printer().printWindowPicture();
    } catch (const PrintFailure& failure) {
        reportFailure(formName, failure);
    }
}

}  // namespace tarnwick
