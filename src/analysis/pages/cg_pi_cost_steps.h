// Steps 4 and 5 of the Concurrent Groups and Potential Intervention modules: the same layout around each
// module's own rows.
#pragma once

#include <span>

#include "analysis/pages/module_frame.h"

// Step 4: the "Details" and "Amount" column strip over a scroll area of cost rows.
void BuildCostStep(const ModuleDescription& m, int page, std::span<const AnalysisRow> rows);
// Step 5: the guidance picture and the productivity row in a scroll area.
void BuildProductivityStep(const ModuleDescription& m, int page, std::span<const AnalysisRow> rows);
