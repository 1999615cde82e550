#include "ui/Program.h"

namespace tarnwick {

namespace {

/// The desktop of a program built without a printer: there is none to choose
/// in the print dialog, which therefore always ends as cancelled.
class NoPrinter : public PrintPlatform, private Printer {
public:
    Printer& printer() override { return *this; }
    void showReminder(const ReminderView&, const std::function<void()>&) override {}
    bool showPrintDialog() override { return false; }
    std::string shortDate() override { return {}; }

private:
    std::string fontName() const override { return {}; }
    void setFontName(const std::string&) override {}
    float fontSize() const override { return 0; }
    void setFontSize(float) override {}
    int orientation() const override { return 1; }
    void setOrientation(int) override {}
    void setBold(bool) override {}
    void printLine(const LineItems&) override {}
    void endDocument() override {}
    void printWindowPicture() override {}
};

}  // namespace

Program::Program(Platform& platform, PrintPlatform& printing) : Program(platform, &printing) {}

Program::Program(Platform& platform) : Program(platform, nullptr) {}

Program::Program(Platform& platform, PrintPlatform* printing)
    : noPrinter_(printing ? nullptr : std::make_unique<NoPrinter>()),
      sheet_(platform),
      engine_(sheet_),
      reference_(sheet_),
      form_(sheet_, engine_, *this),
      printing_(sheet_, printing ? *printing : *noPrinter_) {
    sheet_.setReactions(&form_);
}

Program::~Program() {
    sheet_.setReactions(nullptr);
}

void Program::start() {
    form_.setup().Form_Load();
}

void Program::chosen(M menu) {
    switch (menu) {
        case M::mnuPrintData:
            printing_.mnuPrintData_Click();
            break;
        case M::mnuPrintForm:
            printing_.mnuPrintForm_Click();
            break;
        default:
            reference_.show(menu);
            break;
    }
}

}  // namespace tarnwick
