#include "engine/Differences.h"

#include <array>
#include <string>

#include "engine/Readings.h"
#include "sheet/WorkedLine.h"

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

/// Measured minus minimum, written into the difference field and worked
/// out on a line of its own. An empty field counts as 0, so a clearance not
/// yet measured shows as a shortfall of the whole minimum.
void difference(Sheet& sheet, const DifferenceRow& row, F minimum) {
    const double measured = readings::lenientOf(sheet, row.measured);
    const double least = readings::lenientOf(sheet, minimum);
    const double value = measured - least;
    const std::string text = resultFormat(value);
    WorkedLine line(sheet);
    line << "Difference, " << inWords(row.difference) << ": measured ";
    line.entry(row.measured, measured) << " − minimum ";
    line.entry(minimum, least, true) << " = ";
    line.result(row.difference, text).length() << (value < 0 ? ", short" : ", not short");
    sheet.setText(row.difference, text);
}

}  // namespace

void Differences::ImpDifferences() {
    for (const DifferenceRow& row : kRows) difference(sheet_, row, row.impMinimum);
}

void Differences::MetDifferences() {
    for (const DifferenceRow& row : kRows) difference(sheet_, row, row.metMinimum);
}

}  // namespace tarnwick
