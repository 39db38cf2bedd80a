// The rows of the incident worksheet's eight steps, top to bottom: the row kind, its place in
// `IncidentGadget` (which also names its stored columns), label, colour and help text.
#pragma once

#include <span>

#include "shell/shell_globals.h"

struct IncidentRowDescription {
  int kind;
  int row;            // second index of IncidentGadget; separators pass 8, 10 or 99 and fill no cell
  const char* label;  // "" for none
  const Rgb* colour;  // nullptr: black (the separators)
  const char* help;   // nullptr: no help, the icon stays hidden
  int helpX;          // design x of the help icon
};

// Rows of step index 0-7 in build order; steps 1, 6 and 8 put the rows after their first into a scroll
// area (step 6 keeps its title row above it).
std::span<const IncidentRowDescription> IncidentStepRows(int step);

// The value cells (columns 2-4) that a row kind creates, and which of them the user types into.
struct IncidentKindCells {
  bool cell[5];   // columns 0-4; 1 is the label
  bool input[5];  // numeric input fields
};
IncidentKindCells KindCells(int kind);

// Which cells the worksheet has, by the row table: the layout the cost model works on.
class IncidentSheet;
void AddIncidentLayout(IncidentSheet& sheet);
