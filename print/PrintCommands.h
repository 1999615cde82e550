// The two commands of the Print menu, the data report (Ctrl+D) and the
// picture of the window (Ctrl+F), with the print preparation they share; and
// the printout of the working.
#pragma once

#include <vector>

#include "print/DataReport.h"
#include "print/OrientationReminder.h"
#include "print/PrintPlatform.h"
#include "sheet/Sheet.h"

namespace tarnwick {

class PrintCommands {
public:
    /// The identification prompt goes through the sheet's platform; the
    /// reminder, the print dialog and the printer through `platform`.
    PrintCommands(Sheet& sheet, PrintPlatform& platform);

    /// Prints the sheet as a text report in portrait, in "Courier New", and
    /// puts the printer's font name, size and orientation back afterwards.
    void mnuPrintData_Click();
    /// Prints a picture of the window; no printer setting is touched.
    void mnuPrintForm_Click();
    /// Prints the working of the last calculation as the data report is
    /// printed, after the print dialog alone.
    void mnuPrintWorking_Click();

    /// What the two printouts are called in document names and messages.
    static constexpr const char* dataReportName = "data report";
    static constexpr const char* formName = "form";
    static constexpr const char* workingName = "working";

    const PrintFlags& flags() const { return flags_; }

private:
    /// Asks for the identification when there is none, names the document
    /// after it and the printout, shows the reminder unless the user turned
    /// it off, then the print dialog. False when the print dialog was
    /// cancelled.
    bool prepare(const char* idPrompt, bool printingData);
    /// Prints a report in "Courier New", in portrait, and puts the printer's
    /// font name, size and orientation back afterwards.
    void printReport(const std::vector<ReportLine>& report);
    /// The message that says which printout failed and why.
    void reportFailure(const char* printout, const PrintFailure& failure);

    Sheet& sheet_;
    PrintPlatform& platform_;
    PrintFlags flags_;
};

}  // namespace tarnwick
