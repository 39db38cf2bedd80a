// Steps 4, 5 and 7 of the Concurrent Groups and Potential Intervention modules: the same layout around
// each module's own rows.
#pragma once

#include <span>

#include "analysis/pages/module_frame.h"

// Step 4: the "Details" and "Amount" column strip over a scroll area of cost rows.
void BuildCostStep(const ModuleDescription& m, int page, std::span<const AnalysisRow> rows);
// Step 5: the guidance picture and the productivity row in a scroll area.
void BuildProductivityStep(const ModuleDescription& m, int page, std::span<const AnalysisRow> rows);
// Step 7: the industry-code rows, the two industry placeholders (hidden until a record is loaded) and the
// rate-model rows, in a scroll area `extraHeight` design units taller than the page; the area ends
// `bottomGap` pixels above the page's bottom.
void BuildInsuranceStep(const ModuleDescription& m, int page, std::span<const AnalysisRow> top,
                        std::span<const AnalysisRow> rest, int extraHeight, int bottomGap);
