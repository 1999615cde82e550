// A printer that keeps its settings for the program's lifetime, as a
// desktop's printer does: the font name, size and orientation one printing
// command sets are what the next one finds, and the name of the next
// document. What it does with the lines is left to the printer made from it.
#pragma once

#include <string>

#include "print/PrintPlatform.h"

namespace tarnwick {

class KeptSettingsPrinter : public Printer {
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

private:
    std::string documentName_;
    std::string fontName_ = "Arial";
    float fontSize_ = 10;
    int orientation_ = 2;
    bool bold_ = false;
};

}  // namespace tarnwick
