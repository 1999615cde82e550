// A printer without paper: it keeps its settings and the name of the next
// document, counts the documents and window pictures it received and keeps
// the lines of the last document, each with the font size and weight it was
// printed in. It can be told to fail.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "print/DataReport.h"
#include "print/PrintPlatform.h"
#include "ui/KeptSettingsPrinter.h"

namespace tarnwick {

class HeadlessPrinter : public KeptSettingsPrinter {
public:
    void printLine(const LineItems& items) override;
    void endDocument() override;
    void printWindowPicture() override;

    /// The documents ended and the window pictures printed since start.
    int documents() const { return documents_; }
    int pictures() const { return pictures_; }
    /// The lines of the last ended document; none before the first.
    const std::vector<ReportLine>& lastDocument() const { return last_; }

    /// Makes the printing of line `number` (from 1) of the next document
    /// fail with a PrintFailure, as a printer that runs out of paper. The
    /// lines printed before it are dropped with the unfinished document.
    void failAtLine(int number) { failAt_ = number; }
    /// Makes the next window picture fail with a PrintFailure.
    void failNextPicture() { failPicture_ = true; }
    /// Whether a document has been started and not yet ended.
    bool documentOpen() const { return !current_.empty(); }

private:
    int documents_ = 0;
    int pictures_ = 0;
    std::vector<ReportLine> current_;
    std::vector<ReportLine> last_;
    std::optional<int> failAt_;
    bool failPicture_ = false;
};

}  // namespace tarnwick
