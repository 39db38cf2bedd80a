// The six built-in example incidents of the incident calculator: their values as data, and the load that
// puts one of them into the worksheet.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "shell/shell_globals.h"

inline constexpr int kExampleIncidentCount = 6;

struct ExampleIncident {
  const char* name;         // the title line's "Example Incident: " name
  const char* description;  // the start page's list row, and the incident's description
};
std::span<const ExampleIncident> ExampleIncidents();

// A text of each example for one worksheet cell; nullptr where the example leaves the cell as it is.
struct ExampleIncidentText {
  int step, row, column;
  std::array<const char*, kExampleIncidentCount> values;
};
std::span<const ExampleIncidentText> ExampleIncidentTexts();

// A category choice of step 1 (column 2 of the row): by the item's name, whose code selects the item, or
// by the item's position where `position` is not -1.
struct ExampleIncidentPick {
  const char* name;
  int position = -1;
};
struct ExampleIncidentChoice {
  int row;
  const std::vector<CategoryEntry>* list;
  std::array<ExampleIncidentPick, kExampleIncidentCount> picks;
};
std::span<const ExampleIncidentChoice> ExampleIncidentChoices();

// Puts example `row` (0-5, the row of the start page's example list) into the incident worksheet as an
// unmodified, never-stored incident, after asking about unsaved changes; any other row does nothing.
void LoadIncidentExample(int row);
