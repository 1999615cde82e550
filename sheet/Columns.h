// The five entry fields of each unit column, by role.
#pragma once

#include <array>

#include "sheet/Elements.h"

namespace tarnwick {

struct InputColumn {
    F govTrip;
    F speed;
    F runby;
    F runbyCar;
    F stroke;

    /// The order in which the clears and the column looks visit the fields.
    constexpr std::array<F, 5> inOrder() const { return {govTrip, speed, runby, stroke, runbyCar}; }
};

inline constexpr InputColumn kImperialInputs{F::txtImpGovTrip, F::txtImpSpeed, F::txtImpRunby,
                                             F::txtImpRunbyCar, F::txtImpStroke};
inline constexpr InputColumn kMetricInputs{F::txtMetGovTrip, F::txtMetSpeed, F::txtMetRunby,
                                           F::txtMetRunbyCar, F::txtMetStroke};

/// The results of each unit column: the stroke, the jump, the five minimum
/// clearances and the maximum runby.
inline constexpr std::array<F, 8> kImperialResults{
    F::txtImpMinStroke, F::txtImpMaxJump,     F::txtImpMinCrosshead,   F::txtImpMinRefuge,
    F::txtImpMinShoes,  F::txtImpMinObstruct, F::txtImpMinCwtObstruct, F::txtImpMaxRunby};
inline constexpr std::array<F, 8> kMetricResults{
    F::txtMetMinStroke, F::txtMetMaxJump,     F::txtMetMinCrosshead,   F::txtMetMinRefuge,
    F::txtMetMinShoes,  F::txtMetMinObstruct, F::txtMetMinCwtObstruct, F::txtMetMaxRunby};

/// The measured clearances, top row first, and their differences from the
/// minimum clearances in the same order.
inline constexpr std::array<F, 5> kMeasured{F::txtCrossMea, F::txtRefugeMea, F::txtShoesMea,
                                            F::txtObstructMea, F::txtCwtMea};
inline constexpr std::array<F, 5> kDifferences{F::txtDifCross, F::txtDifRefuge, F::txtDifShoes,
                                               F::txtDifObstruct, F::txtDifCwt};

}  // namespace tarnwick
