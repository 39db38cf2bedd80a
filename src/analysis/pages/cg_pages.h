// The Concurrent Groups module's description for the shared frame; BuildCGPages (shell/services.h)
// builds it.
#pragma once

#include "analysis/pages/module_frame.h"

const ModuleDescription& CGDescription();
