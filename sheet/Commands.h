// The Calculate and Max Runby commands.
#pragma once

#include "sheet/Links.h"
#include "sheet/Sheet.h"

namespace tarnwick {

class Commands {
public:
    Commands(Sheet& sheet, EngineLink& engine) : sheet_(sheet), engine_(engine) {}

    void cmdCalculate_Click();
    void cmdMaxRunby_Click();

private:
    Sheet& sheet_;
    EngineLink& engine_;
};

}  // namespace tarnwick
