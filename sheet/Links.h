// The procedures the sheet's commands call in the other subsystems. The
// calculation engine, the reference messages and the printing commands sit
// above the sheet and plug in here, so that the sheet depends on none of them.
#pragma once

#include "sheet/Elements.h"

namespace tarnwick {

/// The calculation engine's procedures that the commands run.
class EngineLink {
public:
    virtual ~EngineLink() = default;
    virtual void WhiteYellow() = 0;
    virtual void RedAlert() = 0;
    virtual void ImpDifferences() = 0;
    virtual void MetDifferences() = 0;
    virtual void RecalcMet() = 0;
    virtual void RecalcImp() = 0;
    /// Runs one of the eighteen calculation cases, `One` (1) to `Eighteen` (18).
    virtual void runCase(int number) = 0;
};

/// The menu leaves served outside the sheet (printing and reference messages).
class MenuLink {
public:
    virtual ~MenuLink() = default;
    virtual void chosen(M menu) = 0;
};

}  // namespace tarnwick
