// Differences between the measured and the minimum clearances.
#pragma once

#include "sheet/Sheet.h"

namespace tarnwick {

class Differences {
public:
    explicit Differences(Sheet& sheet) : sheet_(sheet) {}

    void ImpDifferences();
    void MetDifferences();

private:
    Sheet& sheet_;
};

}  // namespace tarnwick
