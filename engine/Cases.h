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

    /// Runs case `number` (1 = `One` ... 18 = `Eighteen`), its working
    /// headed by the case and its answers; other numbers do nothing.
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
    /// The steps after the clearances: differences, runby limits, the
    /// compression warnings when the counterweight buffer is compressed,
    /// the short-stroke check and the maximum counterweight runby.
    void imperialSteps(bool compressed);
    void metricSteps(bool compressed);
    /// A case that fills the clearances with one movement kind, storing the
    /// car's movement in `Movement`.
    void imperialCase(void (StrokeRules::*stroke)(), MovementKind kind, bool compressed);
    void metricCase(void (StrokeRules::*stroke)(), MovementKind kind, bool compressed);

    /// The working's first line: the case, its answers and the speeds.
    void heading(int number);

    Sheet& sheet_;
    StrokeRules& strokes_;
    Clearances& clearances_;
    Differences& differences_;
    RunbyLimits& runbyLimits_;
    Alerts& alerts_;
    MaxRunby& maxRunby_;
};

}  // namespace tarnwick
