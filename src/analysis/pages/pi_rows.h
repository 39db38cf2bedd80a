// The Potential Intervention worksheet as data: every row of its eight steps in creation order, with its
// storage row (the stored column names follow it), label, colour, units and help text. Column 1 is the
// Existing Situation, column 2 the Potential Scenario; slot 6 of column 2 holds a grid row's justification.
#pragma once

#include <span>

#include "analysis/pages/module_frame.h"

struct PIRowTables {
  std::span<const AnalysisRow> step1;
  std::span<const AnalysisRow> step2Period, step2Group;
  std::span<const AnalysisRow> step3Upper, step3GridHeader, step3Retrieve, step3Lower;
  std::span<const AnalysisRow> step4, step5, step6, step7Top, step7Rest, step8;
};
const PIRowTables& PIRows();

// The help text of a step's line (the line number is the row's place in its step's creation order);
// nullptr for a line without one.
const char* PIHelp(int step, int line);
