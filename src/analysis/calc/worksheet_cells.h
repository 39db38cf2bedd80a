// Reading and writing a worksheet's cells (page, row, column, slot) through its gadget array. A cell
// that names no control reads as "" and 0 and takes no writes, so a worksheet whose pages are not built
// yet recalculates to nothing.
#pragma once

#include <string>

#include "analysis/calc/analysis_module.h"

class WorksheetCells {
 public:
  explicit WorksheetCells(const WorksheetGadgets& gadget) : gadget_(gadget) {}

  int Cell(int page, int row, int column, int slot) const { return gadget_(page, row, column, slot); }
  std::string Text(int page, int row, int column, int slot) const;
  // The shown number, "," removed, rounded to `decimals`; a "$" makes it 0 (see Money).
  double Number(int page, int row, int column, int slot, int decimals = 2) const;
  // The shown amount, "," and "$" removed, rounded to `decimals`.
  double Money(int page, int row, int column, int slot, int decimals = 2) const;

  // Writes only a text that differs from the shown one, so an unchanged worksheet is not repainted.
  void Write(int page, int row, int column, int slot, const std::string& text) const;
  // Writes whatever the cell shows.
  void Force(int page, int row, int column, int slot, const std::string& text) const;

 private:
  const WorksheetGadgets& gadget_;
};

// Fixed decimals and thousands separators: "1,234.50".
std::string DisplayNumber(double value, int decimals);
