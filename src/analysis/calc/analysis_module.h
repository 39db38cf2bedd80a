// One description per intervention analysis, so that the recalculation and the industry-code combo are
// written once: which worksheet controls, labour array, industry-code lists and approach mark belong to it,
// and how it compares its two columns.
#pragma once

#include <string>

#include "analysis/calc/industry_codes.h"
#include "analysis/calc/labour_groups.h"
#include "shell/bounded_array.h"

using WorksheetGadgets = BoundedArray<int, 10, 40, 2, 10>;

enum class Comparison {
  BeforeAfter,  // two periods; the first scaled to the second's work hours
  Concurrent,   // two departments over one period; scaled likewise
  Potential,    // existing situation against a potential scenario; no scaling
};

struct AnalysisModule {
  int kind;  // KindBA, KindCG, KindPI
  Comparison comparison;
  WorksheetGadgets& gadget;
  LabourArray& labour;
  IndustryCodeList& databaseCodes;
  IndustryCodeList& summaryCodes;
  int& databaseMark;
  std::string& lastClaimCodes;
};

const AnalysisModule& BAModule();
const AnalysisModule& CGModule();
const AnalysisModule& PIModule();
// The module of a record kind; nullptr for another kind.
const AnalysisModule* ModuleOfKind(int kind);

// 0 database approach, 1 summary approach, as the module's mark holds it.
int ApproachFlag(const AnalysisModule& m);

// The records the rate model and the step-7 combo work on.
IndustryCodeList& RateModelCodes(const AnalysisModule& m);
