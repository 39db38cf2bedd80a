#include "shell/services.h"

void AttachHelpPopupProcedures() {}
void OnMouseMove(const pf::Event&) {}
