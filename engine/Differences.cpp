#include "engine/Differences.h"

#include <array>

#include "engine/Readings.h"

namespace tarnwick {

namespace {

struct DifferenceRow {
    F measured, impMinimum, metMinimum, difference;
};

constexpr std::array<DifferenceRow, 5> kRows{{
    {F::txtCrossMea, F::txtImpMinCrosshead, F::txtMetMinCrosshead, F::txtDifCross},
    {F::txtRefugeMea, F::txtImpMinRefuge, F::txtMetMinRefuge, F::txtDifRefuge},
    {F::txtShoesMea, F::txtImpMinShoes, F::txtMetMinShoes, F::txtDifShoes},
    {F::txtObstructMea, F::txtImpMinObstruct, F::txtMetMinObstruct, F::txtDifObstruct},
    {F::txtCwtMea, F::txtImpMinCwtObstruct, F::txtMetMinCwtObstruct, F::txtDifCwt},
}};

}  // namespace

// Measured minus minimum; an empty field counts as 0, so a clearance not yet
// measured shows as a shortfall of the whole minimum.
void Differences::ImpDifferences() {
    for (const DifferenceRow& row : kRows) {
        sheet_.setText(row.difference, resultFormat(readings::lenientOf(sheet_, row.measured) -
                                                    readings::lenientOf(sheet_, row.impMinimum)));
    }
}

void Differences::MetDifferences() {
    for (const DifferenceRow& row : kRows) {
        sheet_.setText(row.difference, resultFormat(readings::lenientOf(sheet_, row.measured) -
                                                    readings::lenientOf(sheet_, row.metMinimum)));
    }
}

}  // namespace tarnwick
