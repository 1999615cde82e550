#include "sheet/Commands.h"

// TEMPORARY STUB
namespace tarnwick {

void Commands::cmdCalculate_Click() {}
void Commands::cmdMaxRunby_Click() {}

}  // namespace tarnwick
