// The printer of the browser page. It keeps its font and page settings for
// the program's lifetime, collects the lines of a document and, when the
// document ends, hands the printout to the page, which lays it out for print
// media and opens the browser's print dialog.
#pragma once

#include <string>
#include <vector>

#include "ui/KeptSettingsPrinter.h"

namespace tarnwick {

class WebPrinter : public KeptSettingsPrinter {
public:
    void printLine(const LineItems& items) override;
    void endDocument() override;
    void printWindowPicture() override;

private:
    struct Row {
        std::string text;
        float size;
        bool bold;
    };

    std::vector<Row> rows_;
};

}  // namespace tarnwick
