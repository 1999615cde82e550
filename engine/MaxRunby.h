// The largest counterweight runby that the measured clearances permit.
#pragma once

#include "sheet/Sheet.h"

namespace tarnwick {

class MaxRunby {
public:
    explicit MaxRunby(Sheet& sheet) : sheet_(sheet) {}

    void FindMaxRunby();

private:
    /// A measured clearance falls short: say so and offer no maximum.
    void shortfall(bool counterweightShort);

    Sheet& sheet_;
};

}  // namespace tarnwick
