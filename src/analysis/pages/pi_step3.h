// Step 3 of the Potential Intervention worksheet: below the approach band one narrow bar at the right
// scrolls two nested areas, the criteria and headings (upper) up to PIStep3ScrollSplit and then the
// estimate grid (lower). The grid's first column shows the existing situation and is not typed into.
#pragma once

#include "analysis/pages/module_frame.h"

void BuildPIStep3(const ModuleDescription& m, int page);

// Makes every single-line field of column 1 in grid rows 20 to 39 (slots 0-5) blue-grey, read-only and
// skipped by Tab, and gives its unit box ("hrs", "$", "%": the first static text beside the field, when
// 1 to 3 characters long) the same look.
void ShowExistingSituationColumn();
