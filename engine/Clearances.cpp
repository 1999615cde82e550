#include "engine/Clearances.h"

// TEMPORARY STUB
namespace tarnwick {

void Clearances::ImpFill(MovementKind /*kind*/, bool /*storeMovement*/) {}
void Clearances::MetFill(MovementKind /*kind*/, bool /*storeMovement*/) {}
void Clearances::ImpOilRegCalc() {}
void Clearances::MetOilRegCalc() {}
void Clearances::ImpSpringCalc() {}
void Clearances::MetSpringCalc() {}

}  // namespace tarnwick
