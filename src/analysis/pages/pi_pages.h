// The Potential Intervention module's description for the shared frame; BuildPIPages (shell/services.h)
// builds it.
#pragma once

#include "analysis/pages/module_frame.h"

const ModuleDescription& PIDescription();
