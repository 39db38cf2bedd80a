// Which text colour reads on a back colour: the contrast of two colours as the eye sees their lightness.
#pragma once

#include "platform/platform.h"

// The ratio of the lighter colour's relative luminance to the darker one's, each plus 0.05: 1 for two equal
// colours, 21 for black on white.
double ContrastRatio(pf::Rgb first, pf::Rgb second);

// Black or white, whichever stands out more from `back`: figures on a dark box are drawn light.
pf::Rgb ReadableTextColour(pf::Rgb back);
