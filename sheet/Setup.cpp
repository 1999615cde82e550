#include "sheet/Setup.h"

// TEMPORARY STUB
namespace tarnwick {

void Setup::Form_Load() {}
void Setup::cmdDefault_Click() {}
void Setup::cmdExit_Click() {}
void Setup::cmdImperial_Click() {}
void Setup::cmdMetric_Click() {}
void Setup::opt1996_Click() {}
void Setup::opt2000_Click() {}
void Setup::optOil_Click() {}
void Setup::optSpring_Click() {}
void Setup::optCompYes_Click() {}
void Setup::optCompNo_Click() {}
void Setup::unitCommand() {}
void Setup::MetDataYellow() {}
void Setup::ImpDataYellow() {}
void Setup::ImpDim() {}
void Setup::MetDim() {}
void Setup::ClearExceptImp() {}
void Setup::ClearExceptMet() {}
bool Setup::Form_QueryUnload() { return true; }
}  // namespace tarnwick
