// Maximum upward movement of the car and the counterweight, and the minimum
// overhead clearances that follow from it.
#pragma once

#include "sheet/Sheet.h"

namespace tarnwick {

/// How the car and the counterweight move above the top landing.
enum class MovementKind {
    OilFree,            ///< full-stroke oil buffer, no tie-down, no compression
    TieDown,            ///< compensating rope tie-down, no compression
    CompressedFree,     ///< counterweight buffer compressed, no tie-down
    CompressedTieDown,  ///< compressed and tie-down
    ReducedFree,        ///< reduced-stroke oil buffer, no tie-down, no compression
    Spring,             ///< spring buffer
};

class Clearances {
public:
    explicit Clearances(Sheet& sheet) : sheet_(sheet) {}

    /// The clearance fill step of each unit system. With `storeMovement` the
    /// car movement is kept in `Movement`.
    void ImpFill(MovementKind kind, bool storeMovement);
    void MetFill(MovementKind kind, bool storeMovement);

    void ImpOilRegCalc();
    void MetOilRegCalc();
    void ImpSpringCalc();
    void MetSpringCalc();

private:
    Sheet& sheet_;
};

}  // namespace tarnwick
