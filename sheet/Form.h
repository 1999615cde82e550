// The main form: routes every reaction of the sheet to the procedure that
// serves it.
#pragma once

#include "sheet/Commands.h"
#include "sheet/Editing.h"
#include "sheet/Links.h"
#include "sheet/Setup.h"
#include "sheet/Sheet.h"

namespace tarnwick {

class Form : public Reactions {
public:
    Form(Sheet& sheet, EngineLink& engine, MenuLink& menus);
    ~Form() override;

    void changed(F field) override;
    void gotFocus(F field) override;
    void clicked(O option) override;
    void clicked(B button) override;
    void chosen(M menu) override;
    bool queryUnload() override;

    Editing& editing() { return editing_; }
    Setup& setup() { return setup_; }
    Commands& commands() { return commands_; }

private:
    MenuLink& menus_;
    Editing editing_;
    Setup setup_;
    Commands commands_;
};

}  // namespace tarnwick
