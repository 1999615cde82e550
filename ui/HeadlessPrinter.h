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

namespace tarnwick {

class HeadlessPrinter : public Printer {
public:
    void setDocumentName(const std::string& name) override { documentName_ = name; }
    const std::string& documentName() const { return documentName_; }
    std::string fontName() const override { return fontName_; }
    void setFontName(const std::string& name) override { fontName_ = name; }
    float fontSize() const override { return fontSize_; }
    void setFontSize(float points) override { fontSize_ = points; }
    int orientation() const override { return orientation_; }
    void setOrientation(int orientation) override { orientation_ = orientation; }
    void setBold(bool on) override { bold_ = on; }
    bool bold() const { return bold_; }

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
    std::string fontName_ = "Arial";
    float fontSize_ = 10;
    int orientation_ = 2;
    bool bold_ = false;
    int documents_ = 0;
    int pictures_ = 0;
    std::vector<ReportLine> current_;
    std::vector<ReportLine> last_;
    std::optional<int> failAt_;
    bool failPicture_ = false;
    std::string documentName_;
};

}  // namespace tarnwick
