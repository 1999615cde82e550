#include "sheet/Form.h"

namespace tarnwick {

Form::Form(Sheet& sheet, EngineLink& engine, MenuLink& menus)
    : menus_(menus),
      editing_(sheet, engine),
      setup_(sheet, engine, editing_),
      commands_(sheet, engine) {}

Form::~Form() = default;

void Form::changed(F field) {
    editing_.changed(field);
}

void Form::gotFocus(F field) {
    editing_.gotFocus(field);
}

void Form::clicked(O option) {
    switch (option) {
        case O::opt1996:
            setup_.opt1996_Click();
            break;
        case O::opt2000:
            setup_.opt2000_Click();
            break;
        case O::optOil:
            setup_.optOil_Click();
            break;
        case O::optSpring:
            setup_.optSpring_Click();
            break;
        case O::optCompYes:
            setup_.optCompYes_Click();
            break;
        case O::optCompNo:
            setup_.optCompNo_Click();
            break;
        case O::optTieDownYes:
        case O::optTieDownNo:
        case O::optReducedYes:
        case O::optReducedNo:
            setup_.unitCommand();
            break;
    }
}

void Form::clicked(B button) {
    switch (button) {
        case B::cmdCalculate:
            commands_.cmdCalculate_Click();
            break;
        case B::cmdClearAll:
            editing_.cmdClearAll_Click();
            break;
        case B::cmdDefault:
            setup_.cmdDefault_Click();
            break;
        case B::cmdExit:
            setup_.cmdExit_Click();
            break;
        case B::cmdMaxRunby:
            commands_.cmdMaxRunby_Click();
            break;
        case B::cmdImperial:
            setup_.cmdImperial_Click();
            break;
        case B::cmdMetric:
            setup_.cmdMetric_Click();
            break;
        case B::cmdClearMet:
            editing_.cmdClearMet_Click();
            break;
        case B::cmdClearMea:
            editing_.cmdClearMea_Click();
            break;
    }
}

void Form::chosen(M menu) {
    menus_.chosen(menu);
}

bool Form::queryUnload() {
    return setup_.Form_QueryUnload();
}

}  // namespace tarnwick
