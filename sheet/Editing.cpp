#include "sheet/Editing.h"

// TEMPORARY STUB
namespace tarnwick {

void Editing::changed(F /*field*/) {}
void Editing::gotFocus(F /*field*/) {}
void Editing::TextSelected() {}
void Editing::Focus() {}
void Editing::Clear1() {}
void Editing::Clear2() {}
void Editing::Clear3() {}
void Editing::Clear4() {}
void Editing::Clear5() {}
void Editing::Clear6() {}
void Editing::Clear346() {}
void Editing::Clear436() {}
void Editing::ClearAll() {}
void Editing::cmdClearAll_Click() {}
void Editing::cmdClearMet_Click() {}
void Editing::cmdClearMea_Click() {}

}  // namespace tarnwick
