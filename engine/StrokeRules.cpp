#include "engine/StrokeRules.h"

// TEMPORARY STUB
namespace tarnwick {

void StrokeRules::ImpOilRegStroke() {}
void StrokeRules::MetOilRegStroke() {}
void StrokeRules::ImpSpringStrokeCalc() {}
void StrokeRules::MetSpringStrokeCalc() {}
void StrokeRules::ImpOilReducedStroke() {}
void StrokeRules::MetricOilReducedStroke() {}
void StrokeRules::ImpMinStroke() {}
void StrokeRules::MetMinStroke() {}

}  // namespace tarnwick
