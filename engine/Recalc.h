// Carrying the active unit system's entries across into the other one after
// a code edition change.
#pragma once

#include "sheet/Sheet.h"

namespace tarnwick {

class Recalc {
public:
    explicit Recalc(Sheet& sheet) : sheet_(sheet) {}

    void RecalcMet();
    void RecalcImp();

private:
    Sheet& sheet_;
};

}  // namespace tarnwick
