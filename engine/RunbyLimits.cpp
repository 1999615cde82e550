#include "engine/RunbyLimits.h"

// TEMPORARY STUB
namespace tarnwick {

void RunbyLimits::ImpRunbyMinMax() {}
void RunbyLimits::MetRunbyMinMax() {}

}  // namespace tarnwick
