// The recalculation of an intervention analysis: every derived text of its worksheet rebuilt from the
// field texts in one fixed order, later figures reading the rounded texts earlier ones wrote.
#pragma once

#include "analysis/calc/analysis_module.h"

void RecalcAnalysis(const AnalysisModule& m);
