// Buffer stroke rules: the minimum required buffer stroke for full-stroke
// oil, spring and reduced-stroke oil buffers, and the short-stroke check.
#pragma once

#include "sheet/Sheet.h"

namespace tarnwick {

class StrokeRules {
public:
    explicit StrokeRules(Sheet& sheet) : sheet_(sheet) {}

    void ImpOilRegStroke();
    void MetOilRegStroke();
    void ImpSpringStrokeCalc();
    void MetSpringStrokeCalc();
    void ImpOilReducedStroke();
    void MetricOilReducedStroke();
    void ImpMinStroke();
    void MetMinStroke();

private:
    /// Writes both required strokes of a reduced-stroke band (1, 2 or 3),
    /// which the rated speed `speed` falls in between the band limits
    /// `lower` and `upper`.
    void writeReducedBand(int band, double speed, double lower, double upper);
    /// The short-stroke check on one unit system's fields.
    void minStrokeCheck(F required, F provided);

    Sheet& sheet_;
};

}  // namespace tarnwick
