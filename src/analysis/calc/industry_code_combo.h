// The step-7 industry-code combo and the exchange between the step-7 fields and the record they show.
#pragma once

#include "analysis/calc/analysis_module.h"

// Shows the record's claim costs and rate-model inputs on step 7; nullptr empties the step.
void ShowIndustryCodeRecord(const AnalysisModule& m, const IndustryCodeEntry* record);

// Copies the step-7 inputs shown into the record the combo remembers.
void CopyBackIndustryCode(const AnalysisModule& m);

// Merges the step-3 claim lines into the summary list; refills the combo when the codes changed or a
// refill was asked for; then shows the claim costs of the chosen code.
void MergeIndustryCodeClaims(const AnalysisModule& m);

// The user picked a code in the step-7 combo of the record kind (KindBA, KindCG, KindPI).
void OnIndustryCodeComboChange(int kind);
