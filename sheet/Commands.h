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
    /// Checks the entries of the active column; on the first fault shows its
    /// message, moves the focus to the field and answers false.
    bool entriesAccepted();

    Sheet& sheet_;
    EngineLink& engine_;
};

}  // namespace tarnwick
