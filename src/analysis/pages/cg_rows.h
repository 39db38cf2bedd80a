// The Concurrent Groups worksheet as data: every row of its eight steps in creation order, with its
// storage row (the stored column names follow it), label, colour, units and help text. Column 1 is the
// Non-intervention Department, column 2 the Intervention Department.
#pragma once

#include <span>

#include "analysis/pages/module_frame.h"

struct CGRowTables {
  std::span<const AnalysisRow> step1;
  std::span<const AnalysisRow> step2Period, step2Group;
  std::span<const AnalysisRow> step3Database, step3Retrieve, step3SummaryDates, step3Grid;
  std::span<const AnalysisRow> step4, step5, step6, step7Top, step7Rest, step8, step8Heading;
};
const CGRowTables& CGRows();

// Help texts by number: steps 1 to 3 (1-42) and steps 4 to 8 (1-40); nullptr outside.
const char* CGEarlyHelp(int number);
const char* CGLateHelp(int number);
