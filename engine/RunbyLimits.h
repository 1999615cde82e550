// The code's minimum and maximum bottom runby for cars and counterweights.
#pragma once

#include "sheet/Sheet.h"

namespace tarnwick {

class RunbyLimits {
public:
    explicit RunbyLimits(Sheet& sheet) : sheet_(sheet) {}

    void ImpRunbyMinMax();
    void MetRunbyMinMax();

private:
    Sheet& sheet_;
};

}  // namespace tarnwick
