#include "ui/Program.h"

namespace tarnwick {

Program::Program(Platform& platform, PrintPlatform& printing)
    : recorder_(platform, printing),
      sheet_(recorder_),
      engine_(sheet_),
      reference_(sheet_),
      form_(sheet_, engine_, *this),
      printing_(sheet_, recorder_) {
    sheet_.setReactions(&form_);
}

Program::~Program() {
    sheet_.setUserLog(nullptr);
    sheet_.setReactions(nullptr);
}

void Program::start() {
    form_.setup().Form_Load();
    recorder_.attach(sheet_);
    sheet_.setUserLog(&recorder_);
}

void Program::chosen(M menu) {
    switch (menu) {
        case M::mnuPrintData:
            printing_.mnuPrintData_Click();
            break;
        case M::mnuPrintForm:
            printing_.mnuPrintForm_Click();
            break;
        case M::mnuPrintWorking:
            printing_.mnuPrintWorking_Click();
            break;
        default:
            reference_.show(menu);
            break;
    }
}

}  // namespace tarnwick
