#include "engine/Recalc.h"

#include <array>

#include "engine/Readings.h"
#include "sheet/Units.h"

namespace tarnwick {

namespace {

struct TwinInput {
    F imperial, metric;
    double toMetric, toImperial;
};

// Lengths in inches and millimetres, speeds in ft/min and m/s.
constexpr std::array<TwinInput, 5> kInputs{{
    {F::txtImpStroke, F::txtMetStroke, units::kInchToMm, units::kMmToInch},
    {F::txtImpRunbyCar, F::txtMetRunbyCar, units::kInchToMm, units::kMmToInch},
    {F::txtImpRunby, F::txtMetRunby, units::kInchToMm, units::kMmToInch},
    {F::txtImpSpeed, F::txtMetSpeed, units::kFpmToMps, units::kMpsToFpm},
    {F::txtImpGovTrip, F::txtMetGovTrip, units::kFpmToMps, units::kMpsToFpm},
}};

void carryAcross(Sheet& sheet, F from, F to, double factor) {
    if (sheet.text(from).empty()) return;
    sheet.setText(to, resultFormat(readings::lenientOf(sheet, from) * factor));
}

}  // namespace

void Recalc::RecalcMet() {
    for (const TwinInput& in : kInputs) carryAcross(sheet_, in.imperial, in.metric, in.toMetric);
}

void Recalc::RecalcImp() {
    for (const TwinInput& in : kInputs) carryAcross(sheet_, in.metric, in.imperial, in.toImperial);
}

}  // namespace tarnwick
