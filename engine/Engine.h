// The clearance calculation engine: the eighteen calculation cases and the
// rules they apply, all working on the one sheet.
#pragma once

#include "engine/Alerts.h"
#include "engine/Cases.h"
#include "engine/Clearances.h"
#include "engine/Differences.h"
#include "engine/MaxRunby.h"
#include "engine/Recalc.h"
#include "engine/RunbyLimits.h"
#include "engine/StrokeRules.h"
#include "sheet/Links.h"
#include "sheet/Sheet.h"

namespace tarnwick {

class Engine : public EngineLink {
public:
    explicit Engine(Sheet& sheet);

    void WhiteYellow() override { alerts_.WhiteYellow(); }
    void RedAlert() override { alerts_.RedAlert(); }
    void ImpDifferences() override { differences_.ImpDifferences(); }
    void MetDifferences() override { differences_.MetDifferences(); }
    void RecalcMet() override { recalc_.RecalcMet(); }
    void RecalcImp() override { recalc_.RecalcImp(); }
    void runCase(int number) override { cases_.run(number); }

    StrokeRules& strokes() { return strokes_; }
    Clearances& clearances() { return clearances_; }
    Differences& differences() { return differences_; }
    RunbyLimits& runbyLimits() { return runbyLimits_; }
    MaxRunby& maxRunby() { return maxRunby_; }
    Alerts& alerts() { return alerts_; }
    Recalc& recalc() { return recalc_; }
    Cases& cases() { return cases_; }

private:
    StrokeRules strokes_;
    Clearances clearances_;
    Differences differences_;
    RunbyLimits runbyLimits_;
    MaxRunby maxRunby_;
    Alerts alerts_;
    Recalc recalc_;
    Cases cases_;
};

}  // namespace tarnwick
