// The frame shared by every row kind: the module's state, the row being built and the small control
// helpers in design units that the shapes use.
#pragma once

#include <string>

#include "analysis/rows/row_description.h"
#include "analysis/rows/rows_globals.h"

struct RowCall {
  Module module;
  int kind, page, row;
  std::string label;
  Rgb colour;  // the resolved back colour
  int top;     // pixel y of the row's top, within the open row area
  std::string prefix, suffix;
  int required;
};

// The module's gadget array, root panel and running state.
BoundedArray<int, 10, 40, 2, 10>& ModuleCells(Module module);
int ModuleRootWidth(Module module);

// Records a control at (page, row, column, slot) of the building module.
void Record(const RowCall& call, int column, int slot, int gadget);
void RecordAt(const RowCall& call, int row, int column, int slot, int gadget);

// Controls at design positions inside the open gadget list; colours set only when `font` is not -2.
inline constexpr int kNoColours = -2;
int RowText(int x, int y, int w, int h, const std::string& text, unsigned flags, Rgb back, Rgb front,
            int font);
int RowField(int x, int y, int w, int h, unsigned flags);
// The row panel at the row's top, as wide as the module root; its gadget list is left open.
int OpenRowPanel(const RowCall& call, int designHeight, bool border, Rgb colour);
// The label of a row, recorded in (1, 0) unless its kind records it elsewhere.
int RowLabel(const RowCall& call, const RowDescription& spec, Rgb back, Rgb front = kBlack);
// The numeric look of single-line fields: the back colour is what the keystroke filter reads.
void NumberLook(int field, Rgb back = 0);
// A value (a field or a computed text) that shares a stretch of its row with a unit mark gives way to the
// mark's text, a few pixels clear of it, so that a figure never stands under its mark. `markAlign` is the
// mark's alignment flag.
void KeepClearOfMark(int value, int mark, unsigned markAlign);

// Each shape builds its controls into its own row panel and returns that panel.
int BuildValuesRow(const RowCall& call, const RowDescription& spec);
int BuildTextRow(const RowCall& call, const RowDescription& spec);
int BuildDateRow(const RowCall& call, const RowDescription& spec);
int BuildGroupSelector(const RowCall& call, const RowDescription& spec);
int BuildListRow(const RowCall& call, const RowDescription& spec);
int BuildRetrieveRow(const RowCall& call, const RowDescription& spec);
int BuildSummaryBoxes(const RowCall& call, const RowDescription& spec);
int BuildGridRow(const RowCall& call, const RowDescription& spec);
int BuildStep7Row(const RowCall& call, const RowDescription& spec);
int BuildRateBlock(const RowCall& call, const RowDescription& spec);

// The help icon's y on a panel: Before & After and Concurrent Groups round the exact half (a tie to the
// even pixel); Potential Intervention halves in whole pixels.
int HelpIconY(Module module, int panelHeight, int iconHeight);
// The help-icon picture for a panel colour (0 for a colour without one).
int HelpIconPicture(Rgb panelColour);
