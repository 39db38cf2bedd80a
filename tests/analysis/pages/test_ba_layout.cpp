// The Before & After worksheet's cells are its stored record: each input is saved under
// field_<page>x<row>x<column>x<slot>. After the eight pages are built every input must stand in its cell
// with its control type, and the computed cells must show their starting text.
#include <set>
#include <sstream>
#include <tuple>

#include "analysis/pages/module_frame.h"
#include "analysis/pages/pages_globals.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/tab_bars.h"

namespace {

using pf::Kind;
using Cell = std::tuple<int, int, int, int>;

// "1.2 2.2" lists (column.slot) cells; "c.1-3" stands for slots 1 to 3 of both columns.
std::vector<std::pair<int, int>> ParseCells(const std::string& text) {
  std::vector<std::pair<int, int>> cells;
  std::istringstream in(text);
  std::string item;
  while (in >> item) {
    const auto dot = item.find('.');
    const std::string column = item.substr(0, dot), slots = item.substr(dot + 1);
    const int first = std::stoi(slots),
              last = slots.find('-') != std::string::npos ? std::stoi(slots.substr(2)) : first;
    for (int c : column == "c" ? std::vector{1, 2} : std::vector{std::stoi(column)})
      for (int s = first; s <= last; ++s) cells.emplace_back(c, s);
  }
  return cells;
}

struct InputRow {
  int page;
  std::vector<int> rows;
  Kind kind;
  const char* cells;
};

// Every input of the worksheet, by step.
const InputRow kInputs[] = {
    {8, {1, 2}, Kind::Field, "1.2"},
    {8, {3, 4, 5, 6, 7, 9, 10}, Kind::Editor, "1.2"},
    {7, {2, 3}, Kind::Date, "1.2 2.2"},
    {7, {4, 5, 6, 7, 8, 9}, Kind::Field, "1.2 2.2"},
    {6, {4, 5, 9, 10, 7, 14, 6}, Kind::ListBox, "1.2 2.2"},
    {6, {20}, Kind::Field, "c.1-5"},
    {6, {21, 23, 24, 25, 26}, Kind::Field, "1.1 1.3 2.1 2.3"},
    {6, {22, 33, 39}, Kind::Field, "c.1-3"},
    {6, {27, 28, 29, 30, 31, 32}, Kind::Field, "c.0-2"},
    {6, {34}, Kind::Field, "c.2 c.4-5"},
    {6, {35}, Kind::Field, "1.1 1.3 2.1 2.3"},
    {5, {3, 4, 5, 6, 7, 8, 9, 11, 12, 14, 15, 16, 18, 19}, Kind::Field, "1.2 2.2"},
    {4, {2}, Kind::Field, "1.2"},
    {3, {2, 3}, Kind::Field, "1.2 2.2"},
    {2, {4, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}, Kind::Field, "1.2"},
    {2, {3, 11}, Kind::Combo, "1.2"},
};

struct ComputedRow {
  int page;
  std::vector<int> rows;
  const char* cells;
  const char* text;
};

// Computed cells and the text they show until the first recalculation.
const ComputedRow kComputed[] = {
    {7, {17, 15, 18, 16}, "1.2 2.2", "0"},
    {6, {11, 12, 13, 36, 37, 38}, "1.2 2.2", "0"},
    {5, {20}, "2.2", "0.00"},
    {4, {3}, "2.2", "0.00"},
    {3, {5}, "2.2", "0.00"},
    {2, {24, 25, 26, 27}, "2.2", "0.00"},
    {1, {2, 3, 8, 5, 4, 21, 22, 23, 6, 7, 10, 11, 12}, "1.2 2.2", "0"},
    {1, {13, 14, 15, 16, 17}, "2.2", "0"},
    {1, {18, 19, 20}, "1.2 2.1 2.2", "0 "},
};

class BALayout : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    SelectTopTab(1);
    SelectSecondTab(3);
    SelectThirdTab(8);
    ShowPage(-1, -1, -1);
    Pump();
  }
};

TEST_F(BALayout, EveryInputStandsInItsStoredCell) {
  ASSERT_NE(BAGadget(8, 1, 1, 2), 0);
  std::set<Cell> expected;
  for (const InputRow& r : kInputs)
    for (int row : r.rows)
      for (auto [column, slot] : ParseCells(r.cells)) {
        expected.emplace(r.page, row, column, slot);
        EXPECT_EQ(pf::GadgetKind(BAGadget(r.page, row, column, slot)), r.kind)
            << FieldColumnName(r.page, row, column, slot);
      }
  // No other cell holds a control that a save would take for an input of its own.
  for (int page = 0; page <= 10; ++page)
    for (int row = 0; row <= 40; ++row)
      for (int column = 0; column <= 2; ++column)
        for (int slot = 0; slot <= 10; ++slot) {
          const Kind kind = pf::GadgetKind(BAGadget(page, row, column, slot));
          const bool input =
              kind == Kind::Editor || kind == Kind::Date || kind == Kind::ListBox || kind == Kind::Combo;
          if (input) {
            EXPECT_TRUE(expected.count({page, row, column, slot}))
                << FieldColumnName(page, row, column, slot);
          }
        }
}

// A fresh analysis has been recalculated once, so each computed cell shows a zero in its own text form
// ("0", "0.00", "$0", "0.00 months"; a period of one day); the row tests check the texts the cells are
// created with.
TEST_F(BALayout, ComputedCellsOfANewAnalysisShowZero) {
  ASSERT_NE(BAGadget(8, 1, 1, 2), 0);
  for (const ComputedRow& r : kComputed)
    for (int row : r.rows)
      for (auto [column, slot] : ParseCells(r.cells)) {
        std::string text = pf::GetGadgetText(BAGadget(r.page, row, column, slot));
        std::erase(text, '$');
        std::erase(text, ',');
        ASSERT_FALSE(text.empty()) << FieldColumnName(r.page, row, column, slot);
        // The periods of a new analysis start and end today: one day long.
        const double expected = r.page == 1 && row == 2 ? 1.0 : 0.0;
        EXPECT_EQ(std::stod(text), expected) << FieldColumnName(r.page, row, column, slot) << ": " << text;
      }
  // A storage row shared by a heading and a row of fields belongs to the later line.
  EXPECT_EQ(pf::GetGadgetText(BAGadget(2, 26, 1, 0)), "Change in short-term diability insurance costs");
}

// The retrieve row is made after the totals but stands in the gap below the department lists.
TEST_F(BALayout, RetrieveRowStandsBetweenTheListsAndTheTotals) {
  ASSERT_NE(BAGadget(8, 1, 1, 2), 0);
  const auto top = [](int row) { return pf::GadgetScreenRect(BAGadget(6, row, 1, 2)).y; };
  EXPECT_GT(top(8), top(6));
  EXPECT_LT(top(8), top(11));
}

}  // namespace
