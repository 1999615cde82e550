#include "engine/Recalc.h"

// TEMPORARY STUB
namespace tarnwick {

void Recalc::RecalcMet() {}
void Recalc::RecalcImp() {}

}  // namespace tarnwick
