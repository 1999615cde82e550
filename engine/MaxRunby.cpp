#include "engine/MaxRunby.h"

// TEMPORARY STUB
namespace tarnwick {

void MaxRunby::FindMaxRunby() {}

}  // namespace tarnwick
