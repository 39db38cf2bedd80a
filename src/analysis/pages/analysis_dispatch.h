// The dispatch rows of the analysis modules' controls: start pages, step navigation and the step-2
// occupational-group switch and column copy.
#pragma once

#include <span>
#include <string>

#include "shell/dispatch.h"

std::span<const DispatchEntry> AnalysisEntries();

// Whole-number group of a group-number text, kept to the groups the selector offers (1-10); anything
// else shows group 1.
int LabourGroupNumber(const std::string& text);
