// The incident worksheet's arithmetic over plain texts: every cost, sub-total, total and summary figure
// that the worksheet shows, computed from the texts of its cells, without any control.
#pragma once

#include <array>
#include <bitset>
#include <string>
#include <string_view>
#include <vector>

// The texts of the worksheet's cells (step index 0-7, row 0-30, column 0-4) and which cells exist.
class IncidentSheet {
 public:
  static constexpr int kSteps = 8, kRows = 31, kColumns = 5;

  static bool InRange(int step, int row, int column) {
    return step >= 0 && step < kSteps && row >= 0 && row < kRows && column >= 0 && column < kColumns;
  }
  bool Has(int step, int row, int column) const {
    return InRange(step, row, column) && has_[Index(step, row, column)];
  }
  // The cell's text; "" for a cell that does not exist.
  const std::string& Text(int step, int row, int column) const;
  // Creates the cell when it does not exist yet; a cell outside the ranges is ignored.
  void Set(int step, int row, int column, std::string text);

 private:
  static int Index(int step, int row, int column) { return (step * kRows + row) * kColumns + column; }
  std::array<std::string, kSteps * kRows * kColumns> text_;
  std::bitset<kSteps * kRows * kColumns> has_;
};

struct IncidentResult {
  int step = 0, row = 0, column = 0;
  std::string text;
};

// Recomputes every derived cell in the order in which later figures read earlier ones, writes the results
// into the sheet and returns them in that order. Results go only to cells that exist.
std::vector<IncidentResult> CalculateIncident(IncidentSheet& sheet);

// Readers of the worksheet's number texts. Both ignore "," so "1,200" is 1200; anything that does not
// begin with a number reads 0.
double IncidentValue(std::string_view text);   // unrounded
double IncidentNumber(std::string_view text);  // rounded to cents
// Amounts, hours and percentages as the worksheet shows them: 2 decimals and thousands separators.
std::string IncidentAmountText(double value);
