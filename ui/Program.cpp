#include "ui/Program.h"

namespace tarnwick {

Program::Program(Platform& platform)
    : sheet_(platform), engine_(sheet_), reference_(sheet_), form_(sheet_, engine_, *this) {
    sheet_.setReactions(&form_);
}

Program::~Program() {
    sheet_.setReactions(nullptr);
}

void Program::start() {
    form_.setup().Form_Load();
}

void Program::chosen(M menu) {
    reference_.show(menu);
}

}  // namespace tarnwick
