// The largest counterweight runby that the measured clearances permit.
#pragma once

#include <array>

#include "sheet/Sheet.h"

namespace tarnwick {

class MaxRunby {
public:
    explicit MaxRunby(Sheet& sheet) : sheet_(sheet) {}

    void FindMaxRunby();

private:
    /// A measured clearance falls short (the differences `dif`, crosshead
    /// first): say so and offer no maximum.
    void shortfall(const std::array<double, 5>& dif);

    Sheet& sheet_;
};

}  // namespace tarnwick
