// Running state of the analysis row builders. Each lasts the whole run and is written only by its
// module's row builder (the page builders steer it through the y and colour arguments).
#pragma once

#include "shell/hover_help.h"  // LastHelpIcon: the help icon of the last row built
#include "shell/shell_globals.h"

inline int BARowY = 0, CGRowY = 0, PIRowY = 0;                 // pixels, within the open row area
inline Rgb BARowColour = 0, CGRowColour = 0, PIRowColour = 0;  // the last row's resolved back colour
