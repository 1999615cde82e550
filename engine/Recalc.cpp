#include "engine/Recalc.h"

#include <array>

#include "engine/Readings.h"

namespace tarnwick {

namespace {

struct TwinInput {
    F imperial, metric;
    double toMetric, toImperial;
};

// Lengths in inches and millimetres, speeds in ft/min and m/s. The pairs are
// rounded factors and not exact inverses, so a value carried across and back
// can move in the second decimal.
constexpr std::array<TwinInput, 5> kInputs{{
    {F::txtImpStroke, F::txtMetStroke, 25.4, 0.03937},
    {F::txtImpRunbyCar, F::txtMetRunbyCar, 25.4, 0.03937},
    {F::txtImpRunby, F::txtMetRunby, 25.4, 0.03937},
    {F::txtImpSpeed, F::txtMetSpeed, 0.00508, 196.8504},
    {F::txtImpGovTrip, F::txtMetGovTrip, 0.00508, 196.8504},
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
