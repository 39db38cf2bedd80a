// The rows of the Multiple Incidents Summary page and the builder that turns one into its controls.
#pragma once

#include <span>
#include <string>

#include "shell/shell_globals.h"

struct MISummaryRowDescription {
  int kind;
  int row;  // MIGadget row of the row's cells
  const char* label;
  const char* help;  // nullptr: none
};

// Every row of the page in build order: the upper area (rows 60 to 13), then the results.
std::span<const MISummaryRowDescription> MISummaryRowDescriptions();

// Builds a row into the open gadget list; backColour -1 alternates the two row colours, y -1 continues
// below the row built last. Returns the y below the new row.
int AddMISummaryRow(int kind, int row, const std::string& label, std::int64_t backColour, int y, int dy,
                    int lines);
