#include "analysis/calc/worksheet_cells.h"

#include "platform/platform.h"
#include "shell/gadget_number.h"
#include "shell/number_text.h"

std::string WorksheetCells::Text(int page, int row, int column, int slot) const {
  const int g = Cell(page, row, column, slot);
  return g ? pf::GetGadgetText(g) : std::string();
}

double WorksheetCells::Number(int page, int row, int column, int slot, int decimals) const {
  const int g = Cell(page, row, column, slot);
  return g ? GadgetNumber(g, decimals) : 0;
}

double WorksheetCells::Money(int page, int row, int column, int slot, int decimals) const {
  const int g = Cell(page, row, column, slot);
  return g ? GadgetMoney(g, decimals) : 0;
}

void WorksheetCells::Write(int page, int row, int column, int slot, const std::string& text) const {
  const int g = Cell(page, row, column, slot);
  if (g && pf::GetGadgetText(g) != text) pf::SetGadgetText(g, text);
}

void WorksheetCells::Force(int page, int row, int column, int slot, const std::string& text) const {
  if (const int g = Cell(page, row, column, slot)) pf::SetGadgetText(g, text);
}

std::string DisplayNumber(double value, int decimals) {
  return AddThousandsSeparators(FixedText(value, decimals));
}
