// Turns one row of the incident worksheet into its controls and records them in `IncidentGadget`.
#pragma once

#include "shell/shell_globals.h"

// Builds a row of `kind` into the open gadget list: y -1 continues below the row built last (any other
// value first moves there), dy is added for this row's top. Leaves `IncidentRowY` at the row's bottom and
// `LastHelpIcon` at its hidden help icon (0 for a separator).
int AddIncidentRow(int kind, int step, int row, const std::string& label, Rgb backColour, int y, int dy);

// The help-icon picture that goes with a row colour, or 0 for a colour without one.
int HelpIconForColour(Rgb colour);

// Our label font is wider than the design's: a help icon that would cover the end of its row's one-line
// label moves to stand just after the label's text.
void KeepHelpIconClearOfLabel(int icon, int label);
