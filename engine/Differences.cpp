#include "engine/Differences.h"

// TEMPORARY STUB
namespace tarnwick {

void Differences::ImpDifferences() {}
void Differences::MetDifferences() {}

}  // namespace tarnwick
