// The eighteen calculation cases, one per combination of the unit system and
// the four buffer answers.
#pragma once

#include "engine/Alerts.h"
#include "engine/Clearances.h"
#include "engine/Differences.h"
#include "engine/MaxRunby.h"
#include "engine/RunbyLimits.h"
#include "engine/StrokeRules.h"
#include "sheet/Sheet.h"

namespace tarnwick {

class Cases {
public:
    Cases(Sheet& sheet, StrokeRules& strokes, Clearances& clearances, Differences& differences,
          RunbyLimits& runbyLimits, Alerts& alerts, MaxRunby& maxRunby)
        : sheet_(sheet),
          strokes_(strokes),
          clearances_(clearances),
          differences_(differences),
          runbyLimits_(runbyLimits),
          alerts_(alerts),
          maxRunby_(maxRunby) {}

    /// Runs case `number` (1 = `One` ... 18 = `Eighteen`); other numbers do nothing.
    void run(int number);

    void One();
    void Two();
    void Three();
    void Four();
    void Five();
    void Six();
    void Seven();
    void Eight();
    void Nine();
    void Ten();
    void Eleven();
    void Twelve();
    void Thirteen();
    void Fourteen();
    void Fifteen();
    void Sixteen();
    void Seventeen();
    void Eighteen();

private:
    Sheet& sheet_;
    StrokeRules& strokes_;
    Clearances& clearances_;
    Differences& differences_;
    RunbyLimits& runbyLimits_;
    Alerts& alerts_;
    MaxRunby& maxRunby_;
};

}  // namespace tarnwick
