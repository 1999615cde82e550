// The printer of the browser page. It keeps its font and page settings for
// the program's lifetime, collects the lines of a document and, when the
// document ends, hands the printout to the page, which lays it out for print
// media and opens the browser's print dialog.
#pragma once

#include <string>
#include <vector>

#include "print/PrintPlatform.h"

namespace tarnwick {

class WebPrinter : public Printer {
public:
    void setDocumentName(const std::string& name) override { documentName_ = name; }
    std::string fontName() const override { return fontName_; }
    void setFontName(const std::string& name) override { fontName_ = name; }
    float fontSize() const override { return fontSize_; }
    void setFontSize(float points) override { fontSize_ = points; }
    int orientation() const override { return orientation_; }
    void setOrientation(int orientation) override { orientation_ = orientation; }
    void setBold(bool on) override { bold_ = on; }

    void printLine(const LineItems& items) override;
    void endDocument() override;
    void printWindowPicture() override;

private:
    struct Row {
        std::string text;
        float size;
        bool bold;
    };

    std::string documentName_;
    std::string fontName_ = "Arial";
    float fontSize_ = 10;
    int orientation_ = 2;
    bool bold_ = false;
    std::vector<Row> rows_;
};

}  // namespace tarnwick
