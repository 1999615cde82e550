#include "engine/Alerts.h"

// TEMPORARY STUB
namespace tarnwick {

void Alerts::WhiteYellow() {}
void Alerts::RedAlert() {}
void Alerts::CompressionWarning() {}
void Alerts::CompressionWarning1() {}

}  // namespace tarnwick
