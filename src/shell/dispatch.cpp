#include "shell/services.h"

void DispatchGadgetEvent(int, pf::GadgetEvent) {}
