// Clearance alerts: colour reset, red marks for failing values and the
// buffer compression warnings.
#pragma once

#include "sheet/Sheet.h"

namespace tarnwick {

class Alerts {
public:
    explicit Alerts(Sheet& sheet) : sheet_(sheet) {}

    void WhiteYellow();
    void RedAlert();
    void CompressionWarning();
    void CompressionWarning1();

private:
    Sheet& sheet_;
};

}  // namespace tarnwick
